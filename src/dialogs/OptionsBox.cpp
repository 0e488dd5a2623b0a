#include "OptionsBox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QTabWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "GameHelp.h"
#include "MakerLinks.h"
#include "platform/Latin1.h"
#include "platform/NamedListAccessible.h"
#include "presentation/SoundNames.h"

namespace {

constexpr int SpeedSteps = 9;

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int x, int y, int width, int height) {
    if (name != nullptr) {
        widget->setObjectName(QString::fromLatin1(name));
    }
    widget->setGeometry(x, y, width, height);
    return widget;
}

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y, int width = 120) {
    return Place(new QLabel(text, parent), nullptr, x, y, width, 14);
}

QGroupBox* AddGroup(QWidget* parent, const char* name, const QString& title, int x, int y,
                    int width, int height) {
    return Place(new QGroupBox(title, parent), name, x, y, width, height);
}

// A speed bar with one tick per speed below it. The style draws ticks so faint that they
// show only on the bar with the keyboard focus; the four bars must look alike, so the bar
// draws its own ticks in the text colour.
class TSpeedBar final : public QSlider {
public:
    explicit TSpeedBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
        setRange(0, SpeedSteps);
        setTickPosition(QSlider::TicksBelow);
        setTickInterval(1);
        setPageStep(1);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
        QStylePainter painter(this);
        painter.drawComplexControl(QStyle::CC_Slider, option);

        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        const QRect groove =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
        const int span = groove.width() - handle.width();
        const int top = handle.bottom() + TickGap;
        painter.setPen(palette().color(QPalette::WindowText));
        for (int speed = minimum(); speed <= maximum(); speed += tickInterval()) {
            const int x = groove.left() + handle.width() / 2 +
                          QStyle::sliderPositionFromValue(minimum(), maximum(), speed, span);
            painter.drawLine(x, top, x, std::min(top + TickLength, height()) - 1);
        }
    }

private:
    static constexpr int TickGap = 2;
    static constexpr int TickLength = 4;
};

// A small loudspeaker with two sound waves, for the sound preview buttons.
QIcon LoudspeakerIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    QPainterPath speaker;
    speaker.moveTo(1.5, 6);
    speaker.lineTo(4.5, 6);
    speaker.lineTo(8.5, 2.5);
    speaker.lineTo(8.5, 13.5);
    speaker.lineTo(4.5, 10);
    speaker.lineTo(1.5, 10);
    speaker.closeSubpath();
    painter.drawPath(speaker);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(40, 40, 40), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(6.5, 5, 5, 6), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(6.5, 2.5, 8, 11), -50 * 16, 100 * 16);
    return QIcon(pixmap);
}

}  // namespace

TOptionsBox::TOptionsBox(TGame& game, TLoader& loader, TDesktop& desktop, TMessageBoxes& messages,
                         TSoundPlayer& sound, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      Game(game),
      Loader(loader),
      Desktop(desktop),
      Messages(messages),
      Sound(sound) {
    QAccessible::installFactory(NamedListAccessible);
    setObjectName(QStringLiteral("TOptionsBox"));
    setWindowTitle(tr("Options"));
    setFixedSize(323, 289);
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);

    auto* pages = Place(new QTabWidget(this), "PageControl1", 4, 8, 315, 245);
    pages->addTab(BuildSkinsPage(), tr("Skins"));
    pages->addTab(BuildAnimationPage(), tr("Animation"));
    pages->addTab(BuildSoundsPage(), tr("Sounds"));
    pages->setCurrentIndex(0);

    auto* ok = Place(new QPushButton(tr("OK"), this), "Button1", 155, 258, 81, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* help = Place(new QPushButton(tr("Help"), this), "Button3", 243, 258, 75, 25);
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this,
            [this] { OpenGameHelp(Desktop, Messages, "Program UI.htm"); });

    FillControls();
}

// No button answers the Escape key: the dialog closes by OK or its window's close button.
void TOptionsBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

QWidget* TOptionsBox::BuildSkinsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    QGroupBox* settings = AddGroup(page, "GroupBox3", tr("Skin settings"), 8, 6, 293, 86);
    AddLabel(settings, tr("Choose skin:"), 12, 20)->setObjectName(QStringLiteral("Label3"));
    SkinsList = Place(new QComboBox(settings), "SkinsList", 12, 36, 150, 22);
    SkinsList->setEditable(true);
    SkinsList->setInsertPolicy(QComboBox::NoInsert);
    SkinsList->setAccessibleName(tr("Skin"));
    connect(SkinsList, &QComboBox::activated, this, &TOptionsBox::PickSkin);
    auto* more =
        Place(new QPushButton(tr("Get more skins!"), settings), "MoreSkins", 176, 35, 105, 25);
    more->setAutoDefault(false);
    connect(more, &QPushButton::clicked, this, [this] { Desktop.OpenUrl(MakerDownloadsPage); });

    // Six lines of text in the frame below the title: each caption with its value under it.
    QGroupBox* inUse = AddGroup(page, "GroupBox4", tr("Skin in use"), 8, 98, 293, 112);
    AddLabel(inUse, tr("Name:"), 12, 20);
    SkinName = Place(new QLabel(inUse), "SkinName", 24, 34, 260, 14);
    AddLabel(inUse, tr("Version:"), 12, 50);
    SkinVer = Place(new QLabel(inUse), "SkinVer", 24, 64, 260, 14);
    AddLabel(inUse, tr("Author:"), 12, 80);
    SkinAuthor = Place(new QLabel(inUse), "SkinAuthor", 24, 94, 260, 14);
    return page;
}

QWidget* TOptionsBox::BuildAnimationPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    QGroupBox* group = AddGroup(page, "GroupBox5", tr("Animation speed"), 8, 6, 293, 204);
    struct TBar {
        const char* Name;
        const char* Label;
        // Screen readers tell the four bars apart by these.
        const char* Reading;
        int X;
        int Y;
        int32_t TAnimationSpeeds::*Speed;
    };
    const std::array<TBar, 4> bars{{
        {"AppearBar", QT_TR_NOOP("Appearance:"), QT_TR_NOOP("Appear speed"), 10, 22,
         &TAnimationSpeeds::Appearance},
        {"ChooseBar", QT_TR_NOOP("Choosing:"), QT_TR_NOOP("Choose speed"), 10, 112,
         &TAnimationSpeeds::Choosing},
        {"MoveBar", QT_TR_NOOP("Moving:"), QT_TR_NOOP("Move speed"), 150, 22,
         &TAnimationSpeeds::Moving},
        {"DelBar", QT_TR_NOOP("Deleting:"), QT_TR_NOOP("Delete speed"), 150, 112,
         &TAnimationSpeeds::Deleting},
    }};
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const TBar& bar = bars[i];
        AddLabel(group, tr(bar.Label), bar.X + 4, bar.Y);
        QSlider* slider = Place(new TSpeedBar(group), bar.Name, bar.X, bar.Y + 18, 133, 30);
        slider->setAccessibleName(tr(bar.Reading));
        AddLabel(group, tr("slow                       fast"), bar.X + 4, bar.Y + 50, 133);
        const auto speed = bar.Speed;
        connect(slider, &QSlider::valueChanged, this,
                [this, speed](int value) { Game.Speeds.*speed = value; });
        Bars[i] = slider;
    }
    return page;
}

QWidget* TOptionsBox::BuildSoundsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet4"));
    QGroupBox* group = AddGroup(page, "GroupBox6", tr("Current sounds"), 8, 6, 293, 140);
    struct TRow {
        const char* Label;
        const char* List;
        const char* Button;
        // The list shows only "Sound1" to "Sound3": screen readers say what it chooses for.
        const char* When;
        // The button shows only a loudspeaker: screen readers and tooltips say what it plays.
        const char* Plays;
    };
    const std::array<TRow, SoundEventCount> rows{{
        {QT_TR_NOOP("Choosing:"), "ChSnd", "ChPic", QT_TR_NOOP("Sound when a ball is chosen"),
         QT_TR_NOOP("Play the choosing sound")},
        {QT_TR_NOOP("Moving:"), "MoveSnd", "MvPic", QT_TR_NOOP("Sound when a ball moves"),
         QT_TR_NOOP("Play the moving sound")},
        {QT_TR_NOOP("Deleting:"), "DelSnd", "DelPic", QT_TR_NOOP("Sound when balls vanish"),
         QT_TR_NOOP("Play the deleting sound")},
        {QT_TR_NOOP("Error:"), "ErrSnd", "ErrPic", QT_TR_NOOP("Sound when a ball cannot go"),
         QT_TR_NOOP("Play the error sound")},
    }};
    const QIcon loudspeaker = LoudspeakerIcon();
    for (int i = 0; i < SoundEventCount; ++i) {
        const int y = 24 + i * 28;
        AddLabel(group, tr(rows[i].Label), 14, y + 4, 70);
        auto* list = Place(new QComboBox(group), rows[i].List, 90, y, 150, 22);
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setAccessibleName(tr(rows[i].When));
        for (int choice = 0; choice < SoundChoiceCount; ++choice) {
            list->addItem(QStringLiteral("Sound") + QString::number(choice + 1));
        }
        const auto sound = static_cast<TSound>(i);
        connect(list, &QComboBox::currentIndexChanged, this, [this, i](int index) {
            if (index >= 0) {
                Game.SoundChoices[i] = index;
            }
        });
        auto* button = Place(new QPushButton(group), rows[i].Button, 248, y, 20, 22);
        button->setIcon(loudspeaker);
        button->setIconSize(QSize(16, 16));
        button->setAccessibleName(tr(rows[i].Plays));
        button->setToolTip(button->accessibleName());
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, sound] { PreviewSound(sound); });
        SoundLists[i] = list;
    }
    QGroupBox* state = AddGroup(page, "GroupBox7", tr("Sounds state"), 8, 152, 293, 58);
    SoundsSwitch = Place(new QCheckBox(tr("Enable sounds"), state), "EnbleSnd", 14, 24, 200, 20);
    connect(SoundsSwitch, &QCheckBox::clicked, this,
            [this](bool checked) { Game.SoundsOn = checked; });
    return page;
}

void TOptionsBox::FillControls() {
    // Each item keeps the file it was listed from, wherever it lies: the pattern matches
    // "Neon.LSK" too, and an installed game lists the player's packages with its own.
    std::vector<std::pair<QString, QString>> skins;
    for (const auto& [package, path] : Loader.Packages()) {
        const std::string_view name = package;
        skins.emplace_back(FromLatin1(name.substr(0, name.size() - 4)),
                           QFile::decodeName(path.c_str()));
    }
    std::stable_sort(skins.begin(), skins.end(), [](const auto& left, const auto& right) {
        return left.first.compare(right.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [name, file] : skins) {
        SkinsList->addItem(name, file);
    }
    const TSkinData& skin = Loader.SkinData();
    SkinName->setText(FromLatin1(skin.SkinName));
    SkinAuthor->setText(FromLatin1(skin.SkinAuthor));
    SkinVer->setText(FromLatin1(skin.SkinVersion));
    SkinsList->setCurrentIndex(-1);
    SkinsList->setEditText(FromLatin1(skin.SkinName));

    Bars[0]->setValue(Game.Speeds.Appearance);
    Bars[1]->setValue(Game.Speeds.Choosing);
    Bars[2]->setValue(Game.Speeds.Moving);
    Bars[3]->setValue(Game.Speeds.Deleting);
    for (int i = 0; i < SoundEventCount; ++i) {
        const int32_t choice = Game.SoundChoices[i];
        QComboBox* list = SoundLists[i];
        list->setCurrentIndex(choice >= 0 && choice < list->count() ? choice : -1);
        list->setEditText(QStringLiteral("Sound") + QString::number(choice + 1));
    }
    SoundsSwitch->setChecked(Game.SoundsOn);
}

void TOptionsBox::PickSkin(int index) {
    if (index < 0) {
        return;
    }
    Loader.ClearSkinCache();
    Loader.ExtractSkinPackage(
        QFile::encodeName(SkinsList->itemData(index).toString()).toStdString());
}

// The preview plays whatever the sound switch says.
void TOptionsBox::PreviewSound(TSound sound) {
    const int index = SoundLists[static_cast<int>(sound)]->currentIndex();
    if (index >= 0) {
        Sound.Play(SoundFileName(sound, index));
    } else {
        Sound.Play(Game.SoundFile(sound).View());
    }
}
