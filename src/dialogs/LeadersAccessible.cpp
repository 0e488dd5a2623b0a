#include "LeadersAccessible.h"

#include <QCoreApplication>
#include <QLabel>

#include "persistence/LeadersFile.h"
#include "platform/AccessibleParts.h"

namespace {

std::vector<TAccessiblePart> ReadRows(const QWidget& table) {
    std::vector<TAccessiblePart> rows;
    for (int row = 1; row <= LeadersCount; ++row) {
        const QString number = QString::number(row);
        QRect place;
        auto cell = [&](const QString& column) {
            const auto* label = table.findChild<QLabel*>(column + number);
            if (label == nullptr) {
                return QString();
            }
            place |= label->geometry();
            return label->text().trimmed();
        };
        const QString player = cell(QStringLiteral("Player"));
        const QString score = cell(QStringLiteral("score"));
        const QString level = cell(QStringLiteral("diff"));
        const QString time = cell(QStringLiteral("time"));
        rows.push_back({QCoreApplication::translate("TLeadersBox", "%1. %2, %3 points, %4, %5")
                            .arg(number, player, score, level, time),
                        QString(), place});
    }
    return rows;
}

}  // namespace

QAccessibleInterface* LeadersAccessible(const QString& /*className*/, QObject* object) {
    auto* table = qobject_cast<QWidget*>(object);
    if (table == nullptr || table->objectName() != QLatin1String("LeadersTable")) {
        return nullptr;
    }
    return new TAccessibleParts(table, QAccessible::List, QAccessible::ListItem, LeadersCount,
                                [table] { return ReadRows(*table); });
}
