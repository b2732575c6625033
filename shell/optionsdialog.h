// The options window: card size, scoring system, sound switches with
// previews, and the table background with a sample table of three cards.
// Everything is read from the store when it is shown and written back only
// on OK.
#pragma once

#include <QColor>
#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TCardPileView;

// Set by every change of the colour, wallpaper, background kind, picture file
// or card size; cleared when the options window is shown and on Cancel.  The
// caller rebuilds the wallpaper and repaints when it is set.
extern bool OptionsAppearanceChanged;

class TOptionsDialogForm : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsDialogForm(QWidget* parent = nullptr);

    // The choosers, replaceable so that tests need no real dialogs.  The
    // colour chooser gets the colour to start from and gives the chosen one
    // (nothing when cancelled); the file chooser gets the file to start on
    // (empty when none) and its filters, and gives the chosen file.
    using TColorChooser = std::function<std::optional<QColor>(QWidget*, const QColor&)>;
    using TFileChooser =
        std::function<std::optional<QString>(QWidget*, const QString&, const QString&)>;
    static void SetColorChooser(TColorChooser chooser);
    static void SetFileChooser(TFileChooser chooser);
    // "Bitmaps (*.bmp)" first, then the other pictures the program can read.
    static QString PictureFilter();

    // The sample panel's colour, as a stored colour value.
    int PanelColorValue() const { return panelColor_; }
    int ColorDialogColorValue() const { return colorDialogColor_; }

    // Handlers, public so that tests can drive them as the controls do.
    void FormShow();
    void OKBtnClick();
    void CancelBtnClick();
    void RadioButtonSolidClick();
    void RadioButtonWallpaperClick();
    void ListBoxWallpaperClick();
    void btnColorEditClick();
    void btnBitmapBrowseClick();
    void CardSizeChange();
    void SoundPreviewClick(int sound);
    void ShowShortBitmapName();
    void UpdateSampleBackground();
    void UpdateSampleCards();

    QTabWidget* pageBackground;
    QWidget* tabGeneral;
    QWidget* tabBackground;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    QGroupBox* GroupBox2;
    QRadioButton* RadioSmallCards;
    QRadioButton* RadioLargeCards;
    QGroupBox* GroupBox1;
    QRadioButton* RadioWild;
    QRadioButton* RadioAmerican;
    QRadioButton* RadioEnglish;
    QPushButton* btnExplain;
    QGroupBox* GroupBox3;
    QCheckBox* CheckBoxSound;
    QCheckBox* chkSoundShuffle;
    QCheckBox* chkSoundCardUp;
    QCheckBox* chkSoundCardDown;
    QCheckBox* chkSoundCashIn;
    QCheckBox* chkSoundUndo;
    QLabel* imgSoundShuffle;
    QLabel* imgCardUp;
    QLabel* imgSoundCardDown;
    QLabel* imgSoundCashIn;
    QLabel* imgSoundUndo;

    QFrame* PanelBackground;
    QLabel* ImageWallpaper;
    TCardPileView* CardPileView1;
    QLabel* Label1;
    QRadioButton* RadioButtonSolid;
    QPushButton* btnColorEdit;
    QRadioButton* RadioButtonWallpaper;
    QListWidget* ListBoxWallpaper;
    QRadioButton* RadioButtonBitmap;
    QPushButton* btnBitmapBrowse;
    QLabel* lblBitmapFilenameShort;
    QLabel* lblBitmapFilenameLong;

    static constexpr int HelpContext = 190;

    ~TOptionsDialogForm() override;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // F1 opens the window's help topic, as Help does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildGeneralPage();
    void BuildBackgroundPage();
    void SetPanelColor(int value);
    // Checks a radio button as a click would, running its handler when it
    // was not checked yet.
    void CheckRadio(QRadioButton* radio, void (TOptionsDialogForm::*handler)());
    bool BitmapFileExists() const;

    int panelColor_ = 0;
    int colorDialogColor_ = 0;
    // ImageWallpaper's picture, and the same placed in the panel for the
    // sample pile view, which paints the piece under its own bounds.
    QPixmap sampleWallpaper_;
    QPixmap panelWallpaper_;
    std::array<QLabel*, 5> previews_{};
};

// The one options window of the program, created at start.
extern TOptionsDialogForm* OptionsDialogForm;
