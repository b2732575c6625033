#include "optionsdialog.h"

#include "application.h"
#include "cardpile.h"
#include "cardpileview.h"
#include "colorvalue.h"
#include "gamedata.h"
#include "programresources.h"
#include "soundport.h"
#include "wallpaper.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>

bool OptionsAppearanceChanged = false;
TOptionsDialogForm* OptionsDialogForm = nullptr;

namespace {

// Each preview sound and the switch that plays it alone.
struct TPreview {
    SoundPort::TSound Sound;
    int Bit;
};
constexpr std::array<TPreview, 5> Previews = {{{SoundPort::Shuffle, 0x0010},
                                               {SoundPort::CardUp, 0x0100},
                                               {SoundPort::CardDown, 0x0040},
                                               {SoundPort::CashIn, 0x0004},
                                               {SoundPort::Undo, 0x0001}}};
constexpr int MasterSwitch = 0x8000;

std::optional<QColor> AskColor(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent, QStringLiteral("Color"));
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QString> AskFile(QWidget* parent, const QString& start, const QString& filter) {
    const QString chosen =
        QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), start, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

TOptionsDialogForm::TColorChooser colorChooser = AskColor;
TOptionsDialogForm::TFileChooser fileChooser = AskFile;

template <typename T> T* Named(T* widget, const char* name, QRect place) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width) {
    return Named(new QRadioButton(caption, parent), name, QRect(left, top, width, 17));
}

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    return Named(new QCheckBox(caption, parent), name, QRect(left, top, 80, 17));
}

} // namespace

TOptionsDialogForm::TOptionsDialogForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OptionsDialogForm"));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(394, 293);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    pageBackground = Named(new QTabWidget(this), "pageBackground", QRect(9, 8, 376, 241));
    tabGeneral = new QWidget;
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));
    tabBackground = new QWidget;
    tabBackground->setObjectName(QStringLiteral("tabBackground"));
    pageBackground->addTab(tabGeneral, QStringLiteral("General"));
    pageBackground->addTab(tabBackground, QStringLiteral("Background"));
    BuildGeneralPage();
    BuildBackgroundPage();

    OKBtn = Named(new QPushButton(QStringLiteral("OK"), this), "OKBtn", QRect(150, 260, 75, 25));
    OKBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(QStringLiteral("Cancel"), this), "CancelBtn",
                      QRect(230, 260, 75, 25));
    CancelBtn->setAutoDefault(false);
    HelpBtn =
        Named(new QPushButton(QStringLiteral("&Help"), this), "HelpBtn", QRect(310, 260, 75, 25));
    HelpBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpContext); });
}

TOptionsDialogForm::~TOptionsDialogForm() {
    // The sample cards are the window's own.
    CardPileView1->Pile.Empty(true);
}

void TOptionsDialogForm::BuildGeneralPage() {
    GroupBox2 = Named(new QGroupBox(QStringLiteral("Card Size"), tabGeneral), "GroupBox2",
                      QRect(12, 12, 161, 69));
    RadioSmallCards =
        Radio(GroupBox2, "RadioSmallCards", QStringLiteral("Small Cards (45 x 63)"), 8, 20, 150);
    RadioLargeCards =
        Radio(GroupBox2, "RadioLargeCards", QStringLiteral("Large Cards (72 x 100)"), 8, 40, 150);
    connect(RadioSmallCards, &QRadioButton::clicked, this, [this] { CardSizeChange(); });
    connect(RadioLargeCards, &QRadioButton::clicked, this, [this] { CardSizeChange(); });

    GroupBox1 = Named(new QGroupBox(QStringLiteral("Scoring System"), tabGeneral), "GroupBox1",
                      QRect(12, 92, 161, 77));
    RadioWild = Radio(GroupBox1, "RadioWild", QStringLiteral("Wild"), 10, 20, 80);
    RadioAmerican = Radio(GroupBox1, "RadioAmerican", QStringLiteral("American"), 10, 36, 80);
    RadioEnglish = Radio(GroupBox1, "RadioEnglish", QStringLiteral("English"), 10, 52, 80);
    RadioWild->setChecked(true);
    btnExplain = Named(new QPushButton(QStringLiteral("Explain ..."), GroupBox1), "btnExplain",
                       QRect(96, 48, 57, 21));
    btnExplain->setAutoDefault(false);
    connect(btnExplain, &QPushButton::clicked, this,
            [] { ShowHelpTopic(HelpTopic::ScoringSystems); });

    GroupBox3 = Named(new QGroupBox(QStringLiteral("Sound Options"), tabGeneral), "GroupBox3",
                      QRect(188, 12, 169, 129));
    CheckBoxSound = Named(new QCheckBox(QStringLiteral("Sound Enabled"), GroupBox3),
                          "CheckBoxSound", QRect(12, 20, 140, 17));
    chkSoundShuffle = Check(GroupBox3, "chkSoundShuffle", QStringLiteral("Shuffle"), 20, 40);
    chkSoundCardUp = Check(GroupBox3, "chkSoundCardUp", QStringLiteral("Card Up"), 20, 56);
    chkSoundCardDown = Check(GroupBox3, "chkSoundCardDown", QStringLiteral("Card Down"), 20, 72);
    chkSoundCashIn = Check(GroupBox3, "chkSoundCashIn", QStringLiteral("Cash In"), 20, 88);
    chkSoundUndo = Check(GroupBox3, "chkSoundUndo", QStringLiteral("Undo"), 20, 104);

    const char* names[5] = {"imgSoundShuffle", "imgCardUp", "imgSoundCardDown", "imgSoundCashIn",
                            "imgSoundUndo"};
    const QPixmap speaker = LoadProgramPixmap(QStringLiteral("SPEAKER"));
    for (int i = 0; i < 5; ++i) {
        auto* picture = Named(new QLabel(GroupBox3), names[i], QRect(102, 43 + 16 * i, 10, 11));
        picture->setPixmap(speaker);
        picture->setCursor(Qt::PointingHandCursor);
        picture->setToolTip(QStringLiteral("Play this sound"));
        picture->installEventFilter(this);
        previews_[static_cast<std::size_t>(i)] = picture;
    }
    imgSoundShuffle = previews_[0];
    imgCardUp = previews_[1];
    imgSoundCardDown = previews_[2];
    imgSoundCashIn = previews_[3];
    imgSoundUndo = previews_[4];
}

void TOptionsDialogForm::BuildBackgroundPage() {
    PanelBackground = Named(new QFrame(tabBackground), "PanelBackground", QRect(8, 12, 197, 189));
    PanelBackground->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelBackground->setAutoFillBackground(true);
    ImageWallpaper =
        Named(new QLabel(PanelBackground), "ImageWallpaper",
              QRect(1, 1, PanelBackground->width() - 2, PanelBackground->height() - 2));
    CardPileView1 =
        Named(new TCardPileView(PanelBackground), "CardPileView1", QRect(80, 52, 109, 129));
    CardPileView1->SetXOffset(12);
    CardPileView1->SetYOffset(12);
    CardPileView1->SetState(FS_RECYCLE);
    Label1 = Named(new QLabel(QStringLiteral("Sample Background"), PanelBackground), "Label1",
                   QRect(13, 12, 150, 13));

    RadioButtonSolid =
        Radio(tabBackground, "RadioButtonSolid", QStringLiteral("Solid Color"), 216, 16, 80);
    btnColorEdit = Named(new QPushButton(QStringLiteral("Edit ..."), tabBackground), "btnColorEdit",
                         QRect(300, 12, 57, 21));
    RadioButtonWallpaper =
        Radio(tabBackground, "RadioButtonWallpaper", QStringLiteral("Wallpaper"), 216, 36, 100);
    ListBoxWallpaper =
        Named(new QListWidget(tabBackground), "ListBoxWallpaper", QRect(236, 52, 121, 113));
    RadioButtonBitmap =
        Radio(tabBackground, "RadioButtonBitmap", QStringLiteral("Bitmap"), 220, 176, 76);
    btnBitmapBrowse = Named(new QPushButton(QStringLiteral("Browse ..."), tabBackground),
                            "btnBitmapBrowse", QRect(300, 172, 57, 21));
    lblBitmapFilenameShort =
        Named(new QLabel(tabBackground), "lblBitmapFilenameShort", QRect(240, 196, 117, 13));
    lblBitmapFilenameLong =
        Named(new QLabel(tabBackground), "lblBitmapFilenameLong", QRect(240, 196, 117, 13));
    lblBitmapFilenameLong->hide();
    btnColorEdit->setAutoDefault(false);
    btnBitmapBrowse->setAutoDefault(false);

    connect(RadioButtonSolid, &QRadioButton::clicked, this, [this] { RadioButtonSolidClick(); });
    connect(RadioButtonWallpaper, &QRadioButton::clicked, this,
            [this] { RadioButtonWallpaperClick(); });
    connect(RadioButtonBitmap, &QRadioButton::clicked, this,
            [this] { RadioButtonWallpaperClick(); });
    // A click counts even on the wallpaper already selected (it still picks
    // "Wallpaper"); the keys move the selection and count as well.
    connect(ListBoxWallpaper, &QListWidget::currentRowChanged, this,
            [this] { ListBoxWallpaperClick(); });
    connect(ListBoxWallpaper, &QListWidget::itemClicked, this, [this] { ListBoxWallpaperClick(); });
    connect(btnColorEdit, &QPushButton::clicked, this, [this] { btnColorEditClick(); });
    connect(btnBitmapBrowse, &QPushButton::clicked, this, [this] { btnBitmapBrowseClick(); });
}

void TOptionsDialogForm::SetColorChooser(TColorChooser chooser) {
    colorChooser = chooser ? std::move(chooser) : TColorChooser(AskColor);
}

void TOptionsDialogForm::SetFileChooser(TFileChooser chooser) {
    fileChooser = chooser ? std::move(chooser) : TFileChooser(AskFile);
}

QString TOptionsDialogForm::PictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        if (format != "bmp")
            patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QStringLiteral("Bitmaps (*.bmp);;Other pictures (%1)")
        .arg(patterns.join(QLatin1Char(' ')));
}

void TOptionsDialogForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOptionsDialogForm::SetPanelColor(int value) {
    panelColor_ = value;
    QPalette palette = PanelBackground->palette();
    palette.setColor(QPalette::Window, ColorFromValue(value));
    PanelBackground->setPalette(palette);
}

void TOptionsDialogForm::CheckRadio(QRadioButton* radio, void (TOptionsDialogForm::*handler)()) {
    if (radio->isChecked())
        return;
    radio->setChecked(true);
    (this->*handler)();
}

bool TOptionsDialogForm::BitmapFileExists() const {
    const QString file = lblBitmapFilenameLong->text();
    return !file.isEmpty() && QFileInfo(file).isFile();
}

void TOptionsDialogForm::FormShow() {
    // 2: centred over the launcher, pulled back inside the screen.
    if (const QWidget* launcher = LauncherWindow()) {
        const QRect main = launcher->frameGeometry();
        int left = main.left() + (main.width() - width()) / 2;
        int top = main.top() + (main.height() - height()) / 2;
        if (const QScreen* screen = launcher->screen()) {
            if (left + width() > screen->size().width())
                left = screen->size().width() - width();
            if (top + height() > screen->size().height())
                top = screen->size().height() - height();
        }
        move(left, top);
    }
    // 3: the sound switches; mute bits are not shown.
    SoundPort::LoadSettings();
    const int mask = SoundPort::Mask();
    CheckBoxSound->setChecked((mask & MasterSwitch) != 0);
    chkSoundShuffle->setChecked((mask & 0x0010) != 0);
    chkSoundCardUp->setChecked((mask & 0x0100) != 0);
    chkSoundCardDown->setChecked((mask & 0x0040) != 0);
    chkSoundCashIn->setChecked((mask & 0x0004) != 0);
    chkSoundUndo->setChecked((mask & 0x0001) != 0);
    // 4: the colour.
    colorDialogColor_ = ReadIniInteger("Options", "BGColor", OptionDefaults::BGColor);
    SetPanelColor(colorDialogColor_);
    // 5, 6: scoring system and card size; other values leave the groups alone.
    switch (ReadIniInteger("Options", "ScoreSystem", OptionDefaults::ScoreSystem)) {
    case 0: RadioEnglish->setChecked(true); break;
    case 1: RadioAmerican->setChecked(true); break;
    case 2: RadioWild->setChecked(true); break;
    default: break;
    }
    switch (ReadIniInteger("Options", "CardSize", OptionDefaults::CardSize)) {
    case 0: RadioSmallCards->setChecked(true); break;
    case 1: RadioLargeCards->setChecked(true); break;
    default: break;
    }
    // 7: the wallpapers.
    {
        const QSignalBlocker quiet(ListBoxWallpaper);
        ListBoxWallpaper->clear();
        for (int n = 0; n < WallpaperCount; ++n)
            ListBoxWallpaper->addItem(WallpaperName(n));
        const int imageNum = ReadIniInteger("Options", "ImageNum", OptionDefaults::ImageNum);
        ListBoxWallpaper->setCurrentRow(imageNum >= 0 && imageNum < WallpaperCount ? imageNum : -1);
    }
    // 8: the background kind.
    switch (ReadIniInteger("Options", "BackgroundType", OptionDefaults::BackgroundType)) {
    case 0: RadioButtonSolid->setChecked(true); break;
    case 1: RadioButtonWallpaper->setChecked(true); break;
    case 2: RadioButtonBitmap->setChecked(true); break;
    default: break;
    }
    // 9: the picture file.
    lblBitmapFilenameLong->setText(
        QString::fromStdString(ReadIniString("Options", "Bitmap", OptionDefaults::Bitmap)));
    ShowShortBitmapName();
    // 10: the sample background.
    ImageWallpaper->setGeometry(1, 1, PanelBackground->width() - 2, PanelBackground->height() - 2);
    UpdateSampleBackground();
    // 11: three new sample cards, the top one face up.
    CardPileView1->Pile.Empty(true);
    CardPileView1->Pile.CreateAndShufflePile(-2, 3);
    if (TCard* top = CardPileView1->Pile.CardAt(TCardPile::TopIndex))
        top->FaceUp = true;
    UpdateSampleCards();
    // 12: last, so that nothing above leaves the flag set.
    OptionsAppearanceChanged = false;
}

void TOptionsDialogForm::ShowShortBitmapName() {
    QString name = lblBitmapFilenameLong->text();
    // Folders end at a backslash or, on this system, a slash.
    const qsizetype cut =
        std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    if (cut >= 0)
        name = name.mid(cut + 1);
    lblBitmapFilenameShort->setText(name);
}

void TOptionsDialogForm::UpdateSampleBackground() {
    QImage tile;
    if (RadioButtonSolid->isChecked()) {
        ImageWallpaper->hide();
        return;
    }
    if (RadioButtonWallpaper->isChecked()) {
        tile = WallpaperTile(ListBoxWallpaper->currentRow());
    } else if (RadioButtonBitmap->isChecked()) {
        if (BitmapFileExists())
            tile = QImage(lblBitmapFilenameLong->text());
        if (tile.isNull()) {
            ImageWallpaper->hide();
            SetPanelColor(ColorButtonFace);
            return;
        }
    } else {
        return;
    }
    sampleWallpaper_ = QPixmap(ImageWallpaper->size());
    sampleWallpaper_.fill(Qt::white);
    TileImage(sampleWallpaper_, tile);
    ImageWallpaper->setPixmap(sampleWallpaper_);
    panelWallpaper_ = QPixmap(PanelBackground->size());
    panelWallpaper_.fill(Qt::transparent);
    QPainter(&panelWallpaper_).drawPixmap(ImageWallpaper->pos(), sampleWallpaper_);
    ImageWallpaper->show();
}

void TOptionsDialogForm::UpdateSampleCards() {
    bool picture = false;
    if (RadioButtonWallpaper->isChecked()) {
        picture = true;
    } else if (RadioButtonBitmap->isChecked()) {
        picture = BitmapFileExists() && !ImageWallpaper->isHidden();
        if (!picture)
            SetPanelColor(ColorButtonFace);
    }
    CardPileView1->BackgroundBitmap = picture ? &panelWallpaper_ : nullptr;
    CardPileView1->SetBackgroundMode(picture ? FS_BITMAP : FS_NORMAL);
    CardPileView1->update();
}

void TOptionsDialogForm::RadioButtonSolidClick() {
    SetPanelColor(colorDialogColor_);
    UpdateSampleBackground();
    UpdateSampleCards();
    OptionsAppearanceChanged = true;
}

void TOptionsDialogForm::RadioButtonWallpaperClick() {
    UpdateSampleBackground();
    UpdateSampleCards();
    OptionsAppearanceChanged = true;
}

void TOptionsDialogForm::ListBoxWallpaperClick() {
    RadioButtonWallpaper->setChecked(true);
    UpdateSampleBackground();
    UpdateSampleCards();
    OptionsAppearanceChanged = true;
}

void TOptionsDialogForm::btnColorEditClick() {
    CheckRadio(RadioButtonSolid, &TOptionsDialogForm::RadioButtonSolidClick);
    if (const std::optional<QColor> chosen = colorChooser(this, ColorFromValue(panelColor_))) {
        colorDialogColor_ = ValueFromColor(*chosen);
        SetPanelColor(colorDialogColor_);
    }
    UpdateSampleBackground();
    UpdateSampleCards();
    OptionsAppearanceChanged = true;
}

void TOptionsDialogForm::btnBitmapBrowseClick() {
    const QString start = BitmapFileExists() ? lblBitmapFilenameLong->text() : QString();
    if (const std::optional<QString> chosen = fileChooser(this, start, PictureFilter()))
        lblBitmapFilenameLong->setText(*chosen);
    if (BitmapFileExists()) {
        ShowShortBitmapName();
        // The sample follows the new file once "Bitmap" is checked below.
        if (RadioButtonBitmap->isChecked()) {
            UpdateSampleBackground();
            UpdateSampleCards();
        }
    }
    CheckRadio(RadioButtonBitmap, &TOptionsDialogForm::RadioButtonWallpaperClick);
    OptionsAppearanceChanged = true;
}

void TOptionsDialogForm::CardSizeChange() {
    OptionsAppearanceChanged = true;
}

void TOptionsDialogForm::SoundPreviewClick(int sound) {
    const TPreview& preview = Previews.at(static_cast<std::size_t>(sound));
    const int saved = SoundPort::Mask();
    SoundPort::SetMask(MasterSwitch | preview.Bit);
    SoundPort::Play(preview.Sound);
    SoundPort::SetMask(saved);
}

void TOptionsDialogForm::OKBtnClick() {
    const bool written = RunReportingErrors([this] {
        WriteIniInteger("Options", "BGColor", panelColor_);
        if (RadioEnglish->isChecked())
            WriteIniInteger("Options", "ScoreSystem", 0);
        else if (RadioAmerican->isChecked())
            WriteIniInteger("Options", "ScoreSystem", 1);
        else if (RadioWild->isChecked())
            WriteIniInteger("Options", "ScoreSystem", 2);
        if (RadioSmallCards->isChecked())
            WriteIniInteger("Options", "CardSize", 0);
        else if (RadioLargeCards->isChecked())
            WriteIniInteger("Options", "CardSize", 1);
        int sound = 0;
        if (CheckBoxSound->isChecked())
            sound += MasterSwitch;
        if (chkSoundShuffle->isChecked())
            sound += 0x0010;
        if (chkSoundCardUp->isChecked())
            sound += 0x0100;
        if (chkSoundCardDown->isChecked())
            sound += 0x0040;
        if (chkSoundCashIn->isChecked())
            sound += 0x0004;
        if (chkSoundUndo->isChecked())
            sound += 0x0001;
        WriteIniInteger("Options", "SoundEnable", sound);
        if (RadioButtonSolid->isChecked())
            WriteIniInteger("Options", "BackgroundType", 0);
        else if (RadioButtonWallpaper->isChecked())
            WriteIniInteger("Options", "BackgroundType", 1);
        else if (RadioButtonBitmap->isChecked())
            WriteIniInteger("Options", "BackgroundType", 2);
        WriteIniInteger("Options", "ImageNum", ListBoxWallpaper->currentRow());
        WriteIniString("Options", "Bitmap", lblBitmapFilenameLong->text().toStdString());
    });
    SoundPort::LoadSettings();
    // A refused write keeps the window open, so nothing seems saved that is not.
    if (written)
        accept();
}

void TOptionsDialogForm::CancelBtnClick() {
    SoundPort::LoadSettings();
    OptionsAppearanceChanged = false;
    QDialog::reject();
}

void TOptionsDialogForm::reject() {
    CancelBtnClick();
}

void TOptionsDialogForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TOptionsDialogForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < previews_.size(); ++i) {
            if (watched == previews_[i]) {
                SoundPreviewClick(static_cast<int>(i));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
