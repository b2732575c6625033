#include "selecthand.h"

#include "gamehost.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <algorithm>
#include <optional>

TSelectHandForm* SelectHandForm = nullptr;

namespace {
// A 32-bit signed decimal integer, blanks around it allowed; nothing else.
std::optional<int> ParseHandNumber(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}
} // namespace

TUpDown::TUpDown(QLineEdit* associate, QWidget* parent)
    : QWidget(parent), associate_(associate), up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(7, 5));
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    // The arrow keys in the edit step as well.
    associate_->installEventFilter(this);
}

void TUpDown::Step(int delta) {
    const std::optional<int> typed = ParseHandNumber(associate_->text());
    const int from = typed ? std::clamp(*typed, Min, Max) : Position;
    Position = std::clamp(from + delta, Min, Max);
    associate_->setText(QString::number(Position));
    associate_->selectAll();
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

TSelectHandForm::TSelectHandForm(QWidget* parent)
    : QDialog(parent), Bevel1(new QFrame(this)), Label1(new QLabel(this)),
      EditHandNumber(new QLineEdit(this)), OKBtn(new QPushButton(this)),
      CancelBtn(new QPushButton(this)) {
    setWindowTitle(QStringLiteral("Select Hand"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(227, 128);
    // The classic dialog size of type, so the caption fits before the edit.
    QFont classic = font();
    classic.setPixelSize(11);
    setFont(classic);

    Bevel1->setGeometry(8, 8, 209, 77);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);

    Label1->setText(QStringLiteral("Hand Number:"));
    Label1->move(28, 40);
    Label1->adjustSize();

    EditHandNumber->setGeometry(108, 36, 65, 21);
    EditHandNumber->setMaxLength(10);
    EditHandNumber->setText(QStringLiteral("1"));

    UpDownHandNumber = new TUpDown(EditHandNumber, this);
    UpDownHandNumber->setGeometry(173, 36, 15, 21);

    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->setGeometry(35, 96, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn->setText(QStringLiteral("Cancel"));
    CancelBtn->setGeometry(115, 96, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, &TSelectHandForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TSelectHandForm::CancelBtnClick);
}

void TSelectHandForm::OKBtnClick() {
    // Text that is not a number leaves Tag at the current deal.
    if (const std::optional<int> number = ParseHandNumber(EditHandNumber->text()))
        Tag = *number;
    accept();
}

void TSelectHandForm::CancelBtnClick() {
    reject();
}

void TSelectHandForm::reject() {
    Tag = -1;
    QDialog::reject();
}

void TSelectHandForm::showEvent(QShowEvent* event) {
    // Centred on the screen, whichever window asked.
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    FormActivate();
}

void TSelectHandForm::FormActivate() {
    EditHandNumber->setText(QString::number(Tag));
    EditHandNumber->setFocus();
    EditHandNumber->selectAll();
}

void TSelectHandForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        GameHost().ShowHelp(this, HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CreateSelectHandForm(QWidget* owner) {
    if (SelectHandForm == nullptr) {
        SelectHandForm = new TSelectHandForm(owner);
        // The global forgets the dialog when its owner takes it away.
        QObject::connect(SelectHandForm, &QObject::destroyed, [] { SelectHandForm = nullptr; });
    }
}

int SelectHandNumber(QWidget* gameWindow, int currentHand) {
    QPointer<TSelectHandForm> own;
    TSelectHandForm* form = SelectHandForm;
    if (form == nullptr)
        form = own = new TSelectHandForm(gameWindow);
    form->Tag = currentHand;
    form->exec();
    const int chosen = form->Tag;
    delete own.data();
    return chosen;
}
