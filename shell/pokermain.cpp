#include "pokermain.h"

#include "aboutbox.h"
#include "application.h"
#include "cardimages.h"
#include "colorvalue.h"
#include "gamedata.h"
#include "gameregistry.h"
#include "helpviewer.h"
#include "optionsdialog.h"
#include "programresources.h"
#include "soundport.h"
#include "statsdialog.h"
#include "wallpaper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

TPokerMainForm* PokerMainForm = nullptr;

namespace {

constexpr int TitleWidth = 490;
constexpr int TitleHeight = 93;
constexpr int PanelWidth = 497;
constexpr int PanelHeight = 205;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(alignment);
    return label;
}

// Light text on the dark grey field, as the statistics are shown.
QLabel* NumberLabel(QWidget* parent, const char* name, const QString& text, int top) {
    QLabel* label = MakeLabel(parent, name, text, QRect(424, top, 57, 13), Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ColorFromValue(ColorGrayText));
    palette.setColor(QPalette::WindowText, ColorFromValue(ColorButtonFace));
    label->setPalette(palette);
    return label;
}

QToolButton* SpeedButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& picture, QRect place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(LoadProgramIcon(picture));
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setGeometry(place);
    return button;
}

// The description box keeps its size; with a wide font the text is set
// slightly smaller so that all of it shows.
void FitTextInto(QLabel* label) {
    QFont font = label->parentWidget()->font();
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    for (int pixels = QFontInfo(font).pixelSize(); pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, label->width(), 10000),
                                                             flags, label->text());
        if (needed.height() <= label->height())
            break;
    }
    label->setFont(font);
}

QString WholeNumber(float value) {
    return QString::number(static_cast<long long>(value));
}

// The placement is kept only when some of it can be seen on a screen.
bool OnSomeScreen(const QRect& bounds) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(bounds))
            return true;
    return false;
}

} // namespace

TLauncherClient::TLauncherClient(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Client"));
    setAutoFillBackground(true);
}

void TLauncherClient::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    if (OnPaint)
        OnPaint(canvas);
}

void TLauncherClient::resizeEvent(QResizeEvent*) {
    if (OnResize)
        OnResize();
}

TPokerMainForm::TPokerMainForm(const std::filesystem::path& storeFile, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("PokerMainForm"));
    PokerMainForm = this;
    SetLauncherWindow(this);
    BuildMenu();
    BuildClient();
    resize(540, 407);
    FormCreate(storeFile);
}

TPokerMainForm::~TPokerMainForm() {
    if (!closed_)
        FreeWallpaperBitmap();
    if (PokerMainForm == this)
        PokerMainForm = nullptr;
}

void TPokerMainForm::BuildMenu() {
    Game1 = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuOptions =
        Game1->addAction(QStringLiteral("&Options..."), this, [this] { mnuOptionsClick(); });
    mnuStatistics =
        Game1->addAction(QStringLiteral("Statistics..."), this, [this] { mnuStatisticsClick(); });
    Game1->addSeparator();
    Exit1 = Game1->addAction(QStringLiteral("E&xit"), this, [this] { Exit1Click(); });
    Exit1->setShortcut(QKeySequence(Qt::Key_F10));

    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    Contents1 = Help1->addAction(QStringLiteral("&Contents"), this, [this] { Contents1Click(); });
    Contents1->setShortcut(QKeySequence(Qt::Key_F1));
    mnuVisitBrenvikOnTheWeb = Help1->addAction(QStringLiteral("Visit Brenvik On The Web"), this,
                                               [this] { mnuVisitBrenvikOnTheWebClick(); });
    Help1->addSeparator();
    About1 = Help1->addAction(QStringLiteral("&About..."), this, [this] { About1Click(); });
    // The shortcuts work while the menus are closed, too.
    addAction(Exit1);
    addAction(Contents1);
}

void TPokerMainForm::BuildClient() {
    Client = new TLauncherClient(this);
    setCentralWidget(Client);
    Client->OnPaint = [this](QPainter& canvas) { FormPaint(canvas); };
    Client->OnResize = [this] { FormResize(); };

    Bevel1 = new QFrame(Client);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(0, 0, Client->width(), 2);

    imgTitleBrenvik = new QLabel(Client);
    imgTitleBrenvik->setObjectName(QStringLiteral("imgTitleBrenvik"));
    imgTitleBrenvik->setPixmap(QPixmap::fromImage(LoadProgramPicture(QStringLiteral("TITLE"))));
    imgTitleBrenvik->setGeometry(8, 8, TitleWidth, TitleHeight);
    imgTitleBrenvik->setAlignment(Qt::AlignCenter);

    PanelGameSelect = new QFrame(Client);
    PanelGameSelect->setObjectName(QStringLiteral("PanelGameSelect"));
    PanelGameSelect->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelGameSelect->setAutoFillBackground(true);
    QPalette face = PanelGameSelect->palette();
    face.setColor(QPalette::Window, ColorFromValue(ColorButtonFace));
    PanelGameSelect->setPalette(face);
    PanelGameSelect->setGeometry(10, 113, PanelWidth, PanelHeight);

    lstGames = new QListWidget(PanelGameSelect);
    lstGames->setObjectName(QStringLiteral("lstGames"));
    lstGames->setGeometry(12, 12, 113, 181);
    connect(lstGames, &QListWidget::currentRowChanged, this, [this] { lstGamesClick(); });
    connect(lstGames, &QListWidget::itemDoubleClicked, this, [this] { btnPlayClick(); });

    imgScreenShot = new QLabel(PanelGameSelect);
    imgScreenShot->setObjectName(QStringLiteral("imgScreenShot"));
    imgScreenShot->setGeometry(136, 12, 187, 143);
    imgScreenShot->setAlignment(Qt::AlignCenter);

    btnPlay = SpeedButton(PanelGameSelect, "btnPlay", QStringLiteral("Play"),
                          QStringLiteral("BTN_PLAY"), QRect(156, 164, 65, 29));
    connect(btnPlay, &QToolButton::clicked, this, [this] { btnPlayClick(); });
    btnRules = SpeedButton(PanelGameSelect, "btnRules", QStringLiteral("Rules"),
                           QStringLiteral("BTN_RULES"), QRect(236, 164, 65, 29));
    connect(btnRules, &QToolButton::clicked, this, [this] { btnRulesClick(); });

    lblGameName = MakeLabel(PanelGameSelect, "lblGameName", QString(), QRect(332, 8, 157, 17),
                            Qt::AlignCenter);
    QFont larger = lblGameName->font();
    if (larger.pixelSize() > 0)
        larger.setPixelSize(larger.pixelSize() * 5 / 4);
    else
        larger.setPointSizeF(larger.pointSizeF() * 1.25);
    larger.setBold(true);
    lblGameName->setFont(larger);

    Bevel2 = new QFrame(PanelGameSelect);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setFrameShape(QFrame::HLine);
    Bevel2->setFrameShadow(QFrame::Sunken);
    Bevel2->setGeometry(332, 28, 153, 2);

    lblGameDescription = MakeLabel(PanelGameSelect, "lblGameDescription", QString(),
                                   QRect(332, 36, 153, 93), Qt::AlignLeft | Qt::AlignTop);
    lblGameDescription->setWordWrap(true);

    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    Label11 = MakeLabel(PanelGameSelect, "Label11", QStringLiteral("Games Played:"),
                        QRect(335, 148, 82, 13), right);
    lblHand0 = MakeLabel(PanelGameSelect, "lblHand0", QStringLiteral("Average Score:"),
                         QRect(335, 164, 82, 13), right);
    lblScore0 = MakeLabel(PanelGameSelect, "lblScore0", QStringLiteral("Best Score:"),
                          QRect(335, 180, 82, 13), right);
    lblNumGames = NumberLabel(PanelGameSelect, "lblNumGames", QStringLiteral("0"), 148);
    lblAvgScore = NumberLabel(PanelGameSelect, "lblAvgScore", QStringLiteral("-"), 164);
    lblBestScore = NumberLabel(PanelGameSelect, "lblBestScore", QStringLiteral("0"), 180);
}

QSize TPokerMainForm::MinimumTrackingSize(int dotsPerInch, int frameWidth) {
    if (dotsPerInch == 96)
        return QSize(540 + 2 * frameWidth, 407);
    return QSize(628 + 2 * frameWidth, 444);
}

void TPokerMainForm::FormCreate(const std::filesystem::path& storeFile) {
    imgTitleBrenvik->move(8, 20);
    SetApplicationTitle(QStringLiteral("Tressalo"));
    const QIcon icon = ProgramIcon();
    QApplication::setWindowIcon(icon);
    setWindowIcon(icon);
    RunReportingErrors([&] { InitGameData(storeFile); });
    SoundPort::LoadSettings();
    SetApplicationHelpFile(DefaultHelpFilePath());
    {
        const QSignalBlocker quiet(lstGames);
        lstGames->clear();
        for (int g = 0; g < GameCount; ++g)
            lstGames->addItem(QString::fromStdString(GameNames[static_cast<std::size_t>(g)]));
        lstGames->setCurrentRow(0);
    }
    lstGamesClick();
    const int dpi = qRound(screen() ? screen()->logicalDotsPerInch() : 96.0);
    setMinimumSize(MinimumTrackingSize(dpi, style()->pixelMetric(QStyle::PM_DefaultFrameWidth)));
}

void TPokerMainForm::setVisible(bool visible) {
    if (visible && !isVisible())
        FormShow();
    QMainWindow::setVisible(visible);
}

void TPokerMainForm::FormShow() {
    const TWindowPlacement placement = LoadWindowPlacement("Main", 540, 407);
    switch (placement.State) {
    case 0:
        setWindowState(Qt::WindowNoState);
        resize(placement.Width, placement.Height);
        move(placement.Left, placement.Top);
        // A placement stored on a screen that is no longer there would leave
        // the window out of reach: centre it on the screen instead.
        if (!OnSomeScreen(frameGeometry()) && screen()) {
            const QRect area = screen()->availableGeometry();
            move(area.left() + (area.width() - width()) / 2,
                 area.top() + (area.height() - height()) / 2);
        }
        break;
    case 1:
        resize(placement.Width, placement.Height);
        setWindowState(Qt::WindowMinimized);
        break;
    case 2:
        resize(placement.Width, placement.Height);
        setWindowState(Qt::WindowMaximized);
        break;
    default:
        break;
    }
    const TDisplayInfo& display = GetDisplayInfo();
    CreateWallpaperBitmap(QSize(display.Width, display.Height));
    RebuildWallpaper();
    if (ReadIniInteger("Options", "BackgroundType", OptionDefaults::BackgroundType) == 0)
        SetWindowColor(ReadIniInteger("Options", "BGColor", OptionDefaults::BGColor));
    else
        SetWindowColor(ColorButtonFace);
    setWindowTitle(ApplicationTitle());
}

void TPokerMainForm::RebuildWallpaper() {
    ::RebuildWallpaper();
}

void TPokerMainForm::SetWindowColor(int colorValue) {
    QPalette palette = Client->palette();
    palette.setColor(QPalette::Window, ColorFromValue(colorValue));
    Client->setPalette(palette);
}

void TPokerMainForm::FormPaint(QPainter& canvas) {
    if (ReadIniInteger("Options", "BackgroundType", OptionDefaults::BackgroundType) == 0) {
        Bevel1->setVisible(true);
        return;
    }
    if (WallpaperBitmap)
        canvas.drawPixmap(0, 0, *WallpaperBitmap);
    Bevel1->setVisible(false);
}

void TPokerMainForm::FormResize() {
    const int gap = (Client->height() - TitleHeight - PanelHeight) / 3;
    imgTitleBrenvik->move((Client->width() - TitleWidth) / 2, gap);
    PanelGameSelect->move((Client->width() - PanelWidth) / 2, 113 + gap);
    Bevel1->setGeometry(0, 0, Client->width(), 2);
    Client->update();
}

void TPokerMainForm::lstGamesClick() {
    const int i = lstGames->currentRow();
    if (i < 0 || i >= GameCount)
        return;
    imgScreenShot->setPixmap(
        QPixmap::fromImage(LoadProgramPicture(QStringLiteral("BITMAP%1").arg(200 + i))));
    // Descriptions are read into a 200-character buffer.
    lblGameDescription->setText(LoadResString(300 + i).left(199));
    FitTextInto(lblGameDescription);
    LoadGameStats(i);
    const TGameStats& stats = GameStats[static_cast<std::size_t>(i)];
    lblGameName->setText(QString::fromStdString(GameNames[static_cast<std::size_t>(i)]));
    lblNumGames->setText(QString::number(stats.Games));
    lblAvgScore->setText(WholeNumber(stats.Average));
    lblBestScore->setText(QString::number(stats.Best));
}

void TPokerMainForm::btnPlayClick() {
    LaunchGame(lstGames->currentRow());
}

void TPokerMainForm::LaunchGame(int index) {
    if (index < 0 || index >= GameCount)
        return;
    const TGameWindowOpener& open = GameWindowFactory[static_cast<std::size_t>(index)];
    if (!open)
        return;
    open(index, this);
    show();
    lstGamesClick();
}

void TPokerMainForm::btnRulesClick() {
    const int topic = GameHelpTopic(lstGames->currentRow());
    if (topic >= 0)
        ShowHelpTopic(topic);
}

void TPokerMainForm::mnuOptionsClick() {
    if (OptionsDialogForm)
        OptionsDialogForm->exec();
    RebuildWallpaper();
    SetWindowColor(ReadIniInteger("Options", "BGColor", OptionDefaults::BGColor));
    if (OptionsAppearanceChanged)
        Client->update();
}

void TPokerMainForm::mnuStatisticsClick() {
    if (StatsDialogForm)
        StatsDialogForm->exec();
    lstGamesClick();
}

void TPokerMainForm::Exit1Click() {
    close();
}

void TPokerMainForm::Contents1Click() {
    ShowHelpContents();
}

void TPokerMainForm::mnuVisitBrenvikOnTheWebClick() {
    OpenUrl(QUrl(QString::fromLatin1(MakersWebAddress)));
}

void TPokerMainForm::About1Click() {
    TAboutBoxForm about(this);
    about.exec();
}

int TPokerMainForm::WindowState() const {
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

void TPokerMainForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    emit Closed();
}

void TPokerMainForm::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    FreeWallpaperBitmap();
    const int state = WindowState();
    // Minimised or maximised, the bounds kept are those of the normal window.
    const QRect bounds = state == 0 ? QRect(pos(), size()) : normalGeometry();
    RunReportingErrors([&] {
        SaveWindowPlacement("Main",
                            {bounds.left(), bounds.top(), bounds.width(), bounds.height(), state});
    });
    CloseGameData();
    TCardImages::FreeCardBitmaps();
    THelpViewerForm::Release();
}
