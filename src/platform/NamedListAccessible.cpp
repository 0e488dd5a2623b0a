#include "NamedListAccessible.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class TNamedList final : public QAccessibleWidget {
public:
    explicit TNamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const auto* list = static_cast<const QComboBox*>(object());
        if (kind == QAccessible::Value) {
            return list->currentText();
        }
        return QAccessibleWidget::text(kind);
    }
};

}  // namespace

QAccessibleInterface* NamedListAccessible(const QString& /*className*/, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (list == nullptr || list->accessibleName().isEmpty()) {
        return nullptr;
    }
    return new TNamedList(list);
}
