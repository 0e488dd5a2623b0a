#include "TextTranslator.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <string>

#include "Latin1.h"

namespace {

constexpr char Context[] = "GameText";

// The translation of a whole text, or nothing. The catalogue's English is plain ASCII, so a
// text that is not found comes back unchanged, while the Latin-1 text itself may not be
// valid UTF-8.
std::optional<QString> Lookup(const std::string& english) {
    const QString found = QCoreApplication::translate(Context, english.c_str());
    if (found == QString::fromUtf8(english)) {
        return std::nullopt;
    }
    return found;
}

// The template's words as a pattern whose groups catch the parts, and the part number that
// each group catches.
QRegularExpression PatternOf(const QString& words, std::vector<int>& partOfGroup) {
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    QString pattern = QStringLiteral("^");
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : marker.globalMatch(words)) {
        pattern += QRegularExpression::escape(words.mid(done, match.capturedStart() - done));
        pattern += QStringLiteral("(.*)");
        partOfGroup.push_back(match.captured(1).toInt());
        done = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(words.mid(done)) + QStringLiteral("$");
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

// Places the parts into the translated words in one pass, so that a part holding "%2" (a
// file name may) is never filled in again.
QString FillIn(const QString& words, const std::vector<QString>& parts) {
    QString text;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const qsizetype number = i + 1 < words.size() ? words[i + 1].digitValue() : -1;
        if (words[i] == u'%' && number >= 1 && number <= static_cast<qsizetype>(parts.size())) {
            text += parts[static_cast<std::size_t>(number - 1)];
            ++i;
        } else {
            text += words[i];
        }
    }
    return text;
}

}  // namespace

QString TTextTranslator::Translate(std::string_view text) const {
    const std::string english(text);
    if (std::optional<QString> whole = Lookup(english)) {
        return *whole;
    }
    const QString shown = FromLatin1(text);
    for (std::string_view words : Templates) {
        const std::string templateWords(words);
        const std::optional<QString> translated = Lookup(templateWords);
        if (!translated) {
            continue;
        }
        std::vector<int> partOfGroup;
        const QRegularExpressionMatch match =
            PatternOf(QString::fromLatin1(templateWords), partOfGroup).match(shown);
        if (!match.hasMatch()) {
            continue;
        }
        std::vector<QString> parts(partOfGroup.size());
        for (std::size_t group = 0; group < partOfGroup.size(); ++group) {
            const auto part = static_cast<std::size_t>(partOfGroup[group] - 1);
            if (part < parts.size()) {
                parts[part] = Translate(ToLatin1(match.captured(static_cast<int>(group + 1))));
            }
        }
        return FillIn(*translated, parts);
    }
    return shown;
}
