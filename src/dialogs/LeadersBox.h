#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string_view>

#include "persistence/LeadersFile.h"

class QLabel;

// The Leaders dialog: the ten best games, and "Default" to put the starting table back.
class TLeadersBox : public QDialog {
    Q_OBJECT
public:
    explicit TLeadersBox(QWidget* parent = nullptr);

    // Fills the rows from "leaders.dat".
    void ShowTable();

private:
    void EraseClick();

    std::array<QLabel*, LeadersCount> Players{};
    std::array<QLabel*, LeadersCount> Difficulties{};
    std::array<QLabel*, LeadersCount> Times{};
    std::array<QLabel*, LeadersCount> Scores{};
};

// The Level column's word, padded to six characters with leading blanks; nothing for a
// difficulty the game does not know.
std::optional<std::string_view> DifficultyWord(int32_t difficulty);
