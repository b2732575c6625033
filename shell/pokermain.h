// The launcher: the title, the list of games with the selected game's
// picture, description and statistics, Play and Rules, and the menu to the
// options, statistics, help, web site and about windows.  It owns the shared
// table background (wallpaper.h) and closing it ends the program.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QToolButton;
class QMenu;

// The launcher's client area: paints the wallpaper when there is one.
class TLauncherClient : public QWidget {
    Q_OBJECT
public:
    explicit TLauncherClient(QWidget* parent = nullptr);

    // Called to paint and to lay out; the launcher hooks its handlers here.
    std::function<void(QPainter&)> OnPaint;
    std::function<void()> OnResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

class TPokerMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Opens the store at storeFile (first-run defaults included); the program
    // passes the file beside the executable.
    explicit TPokerMainForm(const std::filesystem::path& storeFile, QWidget* parent = nullptr);
    ~TPokerMainForm() override;

    void LaunchGame(int index);
    void RebuildWallpaper();

    // The smallest frame size at a screen density, given the sizing-frame width.
    static QSize MinimumTrackingSize(int dotsPerInch, int frameWidth);

    // Handlers, public so that tests can drive them as the controls do.
    void FormCreate(const std::filesystem::path& storeFile);
    void FormShow();
    void FormPaint(QPainter& canvas);
    void FormResize();
    void FormClose();
    void lstGamesClick();
    void btnPlayClick();
    void btnRulesClick();
    void mnuOptionsClick();
    void mnuStatisticsClick();
    void Exit1Click();
    void Contents1Click();
    void mnuVisitBrenvikOnTheWebClick();
    void About1Click();

    TLauncherClient* Client;
    QFrame* Bevel1;
    QLabel* imgTitleBrenvik;
    QFrame* PanelGameSelect;
    QListWidget* lstGames;
    QLabel* imgScreenShot;
    QToolButton* btnPlay;
    QToolButton* btnRules;
    QLabel* lblGameName;
    QFrame* Bevel2;
    QLabel* lblGameDescription;
    QLabel* Label11;
    QLabel* lblHand0;
    QLabel* lblScore0;
    QLabel* lblNumGames;
    QLabel* lblAvgScore;
    QLabel* lblBestScore;

    QMenu* Game1;
    QAction* mnuOptions;
    QAction* mnuStatistics;
    QAction* Exit1;
    QMenu* Help1;
    QAction* Contents1;
    QAction* mnuVisitBrenvikOnTheWeb;
    QAction* About1;

signals:
    // The launcher has closed: the program ends.
    void Closed();

public:
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void BuildClient();
    void SetWindowColor(int colorValue);
    int WindowState() const;

    bool closed_ = false;
};

// The program's launcher while it exists.
extern TPokerMainForm* PokerMainForm;
