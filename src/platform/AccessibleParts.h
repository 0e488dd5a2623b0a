#pragma once

#include <QAccessibleWidget>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

// A part of a widget's drawing that screen readers see as a child of the widget: a cell of
// the board, a row of a table drawn as labels. Its place is in the widget's coordinates.
struct TAccessiblePart {
    QString Name;
    QString Description;
    QRect Place;

    bool operator==(const TAccessiblePart&) const = default;
};

using TReadParts = std::function<std::vector<TAccessiblePart>()>;

// The accessible face of a widget whose children are the parts it reads, asked afresh
// whenever a screen reader asks, so that they always say what the widget shows.
class TAccessibleParts final : public QAccessibleWidget {
public:
    TAccessibleParts(QWidget* widget, QAccessible::Role role, QAccessible::Role partRole,
                     std::size_t partCount, TReadParts read);
    ~TAccessibleParts() override;
    TAccessibleParts(const TAccessibleParts&) = delete;
    TAccessibleParts& operator=(const TAccessibleParts&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    TAccessiblePart Part(int index) const;
    QAccessible::Role PartRole() const { return PartsRole; }

private:
    QAccessible::Role PartsRole;
    TReadParts Read;
    std::vector<QAccessible::Id> Ids;
};

// Tells screen readers, when one is listening, which parts changed their name.
void TellChangedParts(QWidget& widget, const std::vector<TAccessiblePart>& before,
                      const std::vector<TAccessiblePart>& after);
