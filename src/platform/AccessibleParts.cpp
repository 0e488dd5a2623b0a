#include "AccessibleParts.h"

#include <QWidget>

namespace {

class TPartInterface final : public QAccessibleInterface {
public:
    TPartInterface(const TAccessibleParts& owner, int index) : Owner(owner), Index(index) {}

    bool isValid() const override { return Owner.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Owner.window(); }
    QAccessibleInterface* parent() const override { return const_cast<TAccessibleParts*>(&Owner); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        const TAccessiblePart part = Owner.Part(Index);
        switch (kind) {
            case QAccessible::Name:
                return part.Name;
            case QAccessible::Description:
                return part.Description;
            default:
                return {};
        }
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override {
        const QRect place = Owner.Part(Index).Place;
        const auto* widget = static_cast<const QWidget*>(Owner.object());
        return QRect(widget->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return Owner.PartRole(); }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    const TAccessibleParts& Owner;
    int Index;
};

}  // namespace

TAccessibleParts::TAccessibleParts(QWidget* widget, QAccessible::Role role,
                                   QAccessible::Role partRole, std::size_t partCount,
                                   TReadParts read)
    : QAccessibleWidget(widget, role), PartsRole(partRole), Read(std::move(read)) {
    for (std::size_t i = 0; i < partCount; ++i) {
        Ids.push_back(QAccessible::registerAccessibleInterface(
            new TPartInterface(*this, static_cast<int>(i))));
    }
}

TAccessibleParts::~TAccessibleParts() {
    for (QAccessible::Id id : Ids) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

int TAccessibleParts::childCount() const {
    return static_cast<int>(Ids.size());
}

QAccessibleInterface* TAccessibleParts::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    return QAccessible::accessibleInterface(Ids[static_cast<std::size_t>(index)]);
}

int TAccessibleParts::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        if (QAccessible::accessibleInterface(Ids[static_cast<std::size_t>(i)]) == child) {
            return i;
        }
    }
    return -1;
}

QAccessibleInterface* TAccessibleParts::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        if (QAccessibleInterface* part = child(i); part->rect().contains(x, y)) {
            return part;
        }
    }
    return nullptr;
}

TAccessiblePart TAccessibleParts::Part(int index) const {
    const std::vector<TAccessiblePart> parts = Read();
    const auto at = static_cast<std::size_t>(index);
    return at < parts.size() ? parts[at] : TAccessiblePart{};
}

void TellChangedParts(QWidget& widget, const std::vector<TAccessiblePart>& before,
                      const std::vector<TAccessiblePart>& after) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    if (face == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < before.size() && before[i].Name == after[i].Name) {
            continue;
        }
        if (QAccessibleInterface* part = face->child(static_cast<int>(i))) {
            QAccessibleEvent event(part, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}
