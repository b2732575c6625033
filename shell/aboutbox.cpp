#include "aboutbox.h"

#include "application.h"
#include "gamedata.h"
#include "programresources.h"
#include "screenmetrics.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace {

QString ColorDepthText(int depthClass) {
    switch (depthClass) {
    case 5:
        return QStringLiteral("24-bit true color");
    case 4:
        return QStringLiteral("16-bit high color");
    case 3:
        return QStringLiteral("256 colors");
    case 2:
        return QStringLiteral("16 colors");
    case 1:
        return QStringLiteral("Monochrome");
    default:
        return QStringLiteral("Unknown");
    }
}

QString FontSizeText(int dotsPerInch) {
    if (dotsPerInch == 96)
        return QStringLiteral("Small");
    if (dotsPerInch == 120)
        return QStringLiteral("Large");
    return QStringLiteral("Unknown");
}

} // namespace

TAboutBoxForm::TAboutBoxForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBoxForm"));
    setFixedSize(368, 239);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(9, 8, 349, 189);

    imgIcon = new QLabel(Panel1);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setGeometry(12, 24, 32, 32);
    imgIcon->setAlignment(Qt::AlignCenter);

    lblProductName = new QLabel(Panel1);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(24);
    serif.setBold(true);
    lblProductName->setFont(serif);
    QPalette navy = lblProductName->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lblProductName->setPalette(navy);
    lblProductName->move(53, 12);

    lblVersion = new QLabel(QStringLiteral("Version ?"), Panel1);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->move(56, 56);
    lblVersion->installEventFilter(this);

    Label4 = new QLabel(Panel1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->move(56, 88);
    QFont link = Label4->font();
    link.setUnderline(true);
    Label4->setFont(link);
    QPalette blue = Label4->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label4->setPalette(blue);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry((width() - 75) / 2, 208, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    // Showing: the title, the version record, the icon and the address.
    setWindowTitle(QStringLiteral("About ") + ApplicationTitle());
    lblProductName->setText(ApplicationTitle());
    lblProductName->adjustSize();
    lblVersion->setText(VersionLine());
    lblVersion->adjustSize();
    imgIcon->setPixmap(ProgramIcon().pixmap(32, 32));
    Label4->setText(QString::fromLatin1(MakersWebAddress));
    Label4->adjustSize();

    // Centred over the launcher, pulled back inside the screen.
    if (parent) {
        const QWidget* main = parent->window();
        int left = main->x() + (main->frameGeometry().width() - width()) / 2;
        int top = main->y() + (main->frameGeometry().height() - height()) / 2;
        if (const QScreen* screen = main->screen()) {
            const QSize area = screen->size();
            if (left + width() > area.width())
                left = area.width() - width();
            if (top + height() > area.height())
                top = area.height() - height();
        }
        move(left, top);
    }
}

QString TAboutBoxForm::VersionLine() {
    const auto version =
        QueryVersionValue(QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion"));
    if (!version)
        return QStringLiteral("Version ?");
    const QString built = QueryVersionValue(QStringLiteral("\\StringFileInfo\\040904E4\\BuildDate"))
                              .value_or(QString());
    return QStringLiteral("Version ") + *version + QStringLiteral(", ") + built;
}

QString TAboutBoxForm::DisplayReport() {
    // The display as the store knows it (the program fills it from the screen
    // at start), and the screen's density.
    const TDisplayInfo& display = GetDisplayInfo();
    return QStringLiteral("Debug Information:\n") +
           QStringLiteral(" Screen Resolution: %1 x %2\n").arg(display.Width).arg(display.Height) +
           QStringLiteral(" Color Depth: ") + ColorDepthText(GetColorDepthClass()) +
           QStringLiteral("\n") + QStringLiteral(" Font Size: ") +
           FontSizeText(CurrentScreenMetrics().DotsPerInch);
}

void TAboutBoxForm::lblVersionClick() {
    QMessageBox::information(this, windowTitle(), DisplayReport());
}

void TAboutBoxForm::Label4Click() {
    OpenUrl(QUrl(Label4->text()));
}

void TAboutBoxForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TAboutBoxForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblVersion) {
            lblVersionClick();
            return true;
        }
        if (watched == Label4) {
            Label4Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
