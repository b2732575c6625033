// The about window: the program's name, version and web site, and on a click
// on the version line a short report of the display settings.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBoxForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBoxForm(QWidget* parent = nullptr);

    // The text of the display report.
    static QString DisplayReport();
    // "Version 1.1.0.0, Feb  5 1999", or "Version ?" without a version record.
    static QString VersionLine();

    void lblVersionClick();
    void Label4Click();

    QFrame* Panel1;
    QLabel* imgIcon;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* Label4;
    QPushButton* OKButton;

    static constexpr int HelpContext = 100;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // F1 opens the window's help topic.
    void keyPressEvent(QKeyEvent* event) override;
};
