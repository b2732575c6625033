#include "cardpileview.h"
#include "colorvalue.h"
#include "optionsdialog.h"
#include "shelltesting.h"
#include "sound.h"
#include "soundport.h"
#include "wallpaper.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class OptionsDialog : public TShellTest {
protected:
    void SetUp() override {
        TShellTest::SetUp();
        OpenStore(); // first run at 16 bits: large cards, wallpaper "Gray Fleck"
    }
    void TearDown() override {
        TOptionsDialogForm::SetColorChooser(nullptr);
        TOptionsDialogForm::SetFileChooser(nullptr);
        SoundPort::SetRecorder(nullptr);
        TShellTest::TearDown();
    }

    // Every option the window writes, as the store holds it.
    static std::vector<std::string> StoredOptions() {
        std::vector<std::string> values;
        for (const char* key :
             {"BGColor", "ScoreSystem", "CardSize", "SoundEnable", "BackgroundType", "ImageNum"})
            values.push_back(key + std::string("=") +
                             std::to_string(ReadIniInteger("Options", key, -99)));
        values.push_back("Bitmap=" + ReadIniString("Options", "Bitmap", "<none>"));
        return values;
    }
};

// The sample picture agrees with the wallpaper tile at a few points.
void ExpectSampleShows(const TOptionsDialogForm& form, int wallpaper) {
    ASSERT_FALSE(form.ImageWallpaper->isHidden());
    const QImage sample = form.ImageWallpaper->pixmap().toImage();
    const QImage tile = WallpaperTile(wallpaper);
    for (QPoint at : {QPoint(0, 0), QPoint(tile.width() + 3, 5), QPoint(17, tile.height() + 9)})
        EXPECT_EQ(sample.pixel(at), tile.pixel(at.x() % tile.width(), at.y() % tile.height()));
}

TEST_F(OptionsDialog, ShowsTheFirstRunValues) {
    TOptionsDialogForm form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Options"));
    EXPECT_TRUE(form.RadioLargeCards->isChecked());
    EXPECT_TRUE(form.RadioWild->isChecked());
    for (QCheckBox* box : {form.CheckBoxSound, form.chkSoundShuffle, form.chkSoundCardUp,
                           form.chkSoundCardDown, form.chkSoundCashIn, form.chkSoundUndo})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_TRUE(form.RadioButtonWallpaper->isChecked());
    ASSERT_EQ(form.ListBoxWallpaper->count(), 12);
    EXPECT_EQ(form.ListBoxWallpaper->currentItem()->text(), QStringLiteral("Gray Fleck"));
    ExpectSampleShows(form, 5);
    EXPECT_EQ(form.PanelColorValue(), 6729762);
    EXPECT_EQ(form.CardPileView1->Pile.Cards.size(), 3u);
    EXPECT_TRUE(form.CardPileView1->Pile.Cards.back()->FaceUp);
    EXPECT_FALSE(form.CardPileView1->Pile.Cards.front()->FaceUp);
    EXPECT_EQ(form.CardPileView1->BackgroundMode(), FS_BITMAP);
    EXPECT_FALSE(OptionsAppearanceChanged);
    form.hide();
}

TEST_F(OptionsDialog, OkWithoutChangesRewritesTheSameValuesAndLeavesTheFlagClear) {
    WriteIniInteger("Options", "ScoreSystem", 1);
    WriteIniString("Options", "Bitmap", "/nowhere/felt.bmp");
    const auto before = StoredOptions();
    TOptionsDialogForm form;
    form.show();
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(StoredOptions(), before);
    EXPECT_FALSE(OptionsAppearanceChanged);
}

TEST_F(OptionsDialog, ChoosingChalkSetsTheFlagAndCancelForgetsIt) {
    WriteIniInteger("Options", "BackgroundType", 0);
    const auto before = StoredOptions();
    TOptionsDialogForm form;
    form.show();
    form.pageBackground->setCurrentWidget(form.tabBackground);
    EXPECT_TRUE(form.ImageWallpaper->isHidden());
    QListWidget* list = form.ListBoxWallpaper;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(form.RadioButtonWallpaper->isChecked());
    EXPECT_FALSE(form.RadioButtonSolid->isChecked());
    ExpectSampleShows(form, 1);
    EXPECT_TRUE(OptionsAppearanceChanged);
    QTest::mouseClick(form.CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(OptionsAppearanceChanged);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(StoredOptions(), before);
}

// The stored wallpaper is already selected under a solid colour: clicking it
// must still pick "Wallpaper".
TEST_F(OptionsDialog, ClickingTheWallpaperAlreadySelectedChecksWallpaper) {
    WriteIniInteger("Options", "BackgroundType", 0);
    WriteIniInteger("Options", "ImageNum", 0);
    TOptionsDialogForm form;
    form.show();
    form.pageBackground->setCurrentWidget(form.tabBackground);
    QListWidget* list = form.ListBoxWallpaper;
    ASSERT_EQ(list->currentRow(), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(form.RadioButtonWallpaper->isChecked());
    ExpectSampleShows(form, 0);
    EXPECT_TRUE(OptionsAppearanceChanged);
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    EXPECT_EQ(ReadIniInteger("Options", "BackgroundType", -1), 1);
}

TEST_F(OptionsDialog, EveryPreviewPlaysWithSoundOffAndTheMaskComesBack) {
    WriteIniInteger("Options", "SoundEnable", 0);
    std::vector<std::pair<SoundPort::TSound, int>> played;
    SoundPort::SetRecorder(
        [&](SoundPort::TSound sound, int mask) { played.emplace_back(sound, mask); });
    // The sound module lets each clip through its switches.
    std::vector<TSoundClip> passed;
    SetSoundRecorder([&](TSoundClip clip) { passed.push_back(clip); });
    TOptionsDialogForm form;
    form.show();
    const std::vector<std::pair<QLabel*, std::pair<SoundPort::TSound, int>>> previews = {
        {form.imgSoundUndo, {SoundPort::Undo, 32769}},
        {form.imgSoundShuffle, {SoundPort::Shuffle, 32784}},
        {form.imgCardUp, {SoundPort::CardUp, 33024}},
        {form.imgSoundCardDown, {SoundPort::CardDown, 32832}},
        {form.imgSoundCashIn, {SoundPort::CashIn, 32772}}};
    for (const auto& [picture, expected] : previews) {
        played.clear();
        QTest::mouseClick(picture, Qt::LeftButton);
        ASSERT_EQ(played.size(), 1u) << picture->objectName().toStdString();
        EXPECT_EQ(played[0], expected);
        EXPECT_EQ(SoundPort::Mask(), 0);
    }
    EXPECT_EQ(passed,
              (std::vector<TSoundClip>{TSoundClip::Undo, TSoundClip::Shuffle, TSoundClip::CardUp,
                                       TSoundClip::CardDown, TSoundClip::CashIn}));
    SetSoundRecorder(nullptr);
    EXPECT_FALSE(form.CheckBoxSound->isChecked());
    EXPECT_FALSE(OptionsAppearanceChanged);
    form.hide();
}

TEST_F(OptionsDialog, AChosenPictureShowsItsShortNameAndStoresItsFullPath) {
    const QString folder = FolderPath() + QStringLiteral("/Pictures/Felt");
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/green.bmp");
    QImage green(40, 30, QImage::Format_RGB32);
    green.fill(QColor(0, 140, 60));
    ASSERT_TRUE(green.save(file));
    QString filter;
    TOptionsDialogForm::SetFileChooser([&](QWidget*, const QString&, const QString& f) {
        filter = f;
        return std::optional<QString>(file);
    });
    TOptionsDialogForm form;
    form.show();
    QTest::mouseClick(form.btnBitmapBrowse, Qt::LeftButton);
    EXPECT_TRUE(filter.startsWith(QStringLiteral("Bitmaps (*.bmp);;")));
    EXPECT_EQ(form.lblBitmapFilenameShort->text(), QStringLiteral("green.bmp"));
    EXPECT_TRUE(form.RadioButtonBitmap->isChecked());
    EXPECT_TRUE(OptionsAppearanceChanged);
    EXPECT_EQ(form.ImageWallpaper->pixmap().toImage().pixelColor(50, 40), QColor(0, 140, 60));
    EXPECT_EQ(form.CardPileView1->BackgroundMode(), FS_BITMAP);
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    EXPECT_EQ(ReadIniString("Options", "Bitmap", ""), file.toStdString());
    EXPECT_EQ(ReadIniInteger("Options", "BackgroundType", -1), 2);
    EXPECT_TRUE(OptionsAppearanceChanged); // OK leaves the flag as the changes set it
}

TEST_F(OptionsDialog, MissingPictureTurnsThePanelButtonFaceAndSolidColourBringsTheColourBack) {
    WriteIniInteger("Options", "BackgroundType", 2);
    WriteIniInteger("Options", "BGColor", 32768);
    WriteIniString("Options", "Bitmap", "/nowhere/gone.bmp");
    TOptionsDialogForm::SetFileChooser([](QWidget*, const QString& start, const QString&) {
        EXPECT_TRUE(start.isEmpty()); // a missing file is not offered as the start
        return std::optional<QString>();
    });
    TOptionsDialogForm form;
    form.show();
    EXPECT_EQ(form.PanelColorValue(), ColorButtonFace);
    EXPECT_TRUE(form.ImageWallpaper->isHidden());
    EXPECT_EQ(form.CardPileView1->BackgroundMode(), FS_NORMAL);
    EXPECT_EQ(form.lblBitmapFilenameShort->text(), QStringLiteral("gone.bmp"));
    // Cancelling the chooser still selects "Bitmap".
    QTest::mouseClick(form.btnBitmapBrowse, Qt::LeftButton);
    EXPECT_TRUE(form.RadioButtonBitmap->isChecked());
    form.pageBackground->setCurrentWidget(form.tabBackground);
    QTest::mouseClick(form.RadioButtonSolid, Qt::LeftButton);
    EXPECT_EQ(form.PanelColorValue(), 32768);
    EXPECT_EQ(form.PanelBackground->palette().color(QPalette::Window), QColor(0, 128, 0));
    // OK with "Bitmap" and a missing file stores the button face.
    QTest::mouseClick(form.RadioButtonBitmap, Qt::LeftButton);
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    EXPECT_EQ(ReadIniInteger("Options", "BGColor", 0), -2147483633);
}

TEST_F(OptionsDialog, EditColourChecksSolidAndStoresTheChosenColour) {
    QColor offered;
    TOptionsDialogForm::SetColorChooser([&](QWidget*, const QColor& start) {
        offered = start;
        return std::optional<QColor>(QColor(10, 20, 30));
    });
    TOptionsDialogForm form;
    form.show();
    form.pageBackground->setCurrentWidget(form.tabBackground);
    QTest::mouseClick(form.btnColorEdit, Qt::LeftButton);
    EXPECT_EQ(offered, QColor(34, 176, 102));
    EXPECT_TRUE(form.RadioButtonSolid->isChecked());
    EXPECT_TRUE(form.ImageWallpaper->isHidden());
    EXPECT_TRUE(OptionsAppearanceChanged);
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    EXPECT_EQ(ReadIniInteger("Options", "BGColor", 0), 0x001E140A);
    EXPECT_EQ(ReadIniInteger("Options", "BackgroundType", -1), 0);
}

TEST_F(OptionsDialog, SwitchesAndChoicesAreWrittenOnOk) {
    TOptionsDialogForm form;
    form.show();
    QTest::mouseClick(form.RadioSmallCards, Qt::LeftButton);
    EXPECT_TRUE(OptionsAppearanceChanged); // the card size counts as appearance
    QTest::mouseClick(form.RadioEnglish, Qt::LeftButton);
    QTest::mouseClick(form.chkSoundCardUp, Qt::LeftButton);
    QTest::mouseClick(form.chkSoundUndo, Qt::LeftButton);
    QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    EXPECT_EQ(ReadIniInteger("Options", "CardSize", -1), 0);
    EXPECT_EQ(ReadIniInteger("Options", "ScoreSystem", -1), 0);
    EXPECT_EQ(ReadIniInteger("Options", "SoundEnable", -1), 33109 - 0x0100 - 0x0001);
    EXPECT_EQ(SoundPort::Mask(), 33109 - 0x0100 - 0x0001);
}

TEST_F(OptionsDialog, OutOfRangeValuesLeaveTheGroupsAndSelectNoWallpaper) {
    TOptionsDialogForm form;
    form.show();
    QTest::mouseClick(form.RadioAmerican, Qt::LeftButton);
    form.hide();
    WriteIniInteger("Options", "ScoreSystem", 7);
    WriteIniInteger("Options", "ImageNum", 12);
    form.show();
    EXPECT_TRUE(form.RadioAmerican->isChecked());
    EXPECT_EQ(form.ListBoxWallpaper->currentRow(), -1);
    ExpectSampleShows(form, 0); // no selection draws the first wallpaper
    form.hide();
}

TEST(ColorValue, StoredValuesBecomeColoursAndBack) {
    const struct {
        int Value;
        QColor Color;
    } cases[] = {{6729762, QColor(34, 176, 102)},
                 {32768, QColor(0, 128, 0)},
                 {0, QColor(0, 0, 0)},
                 {0x00FFFFFF, QColor(255, 255, 255)},
                 {0x001E140A, QColor(10, 20, 30)}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColorFromValue(c.Value), c.Color) << c.Value;
        EXPECT_EQ(ValueFromColor(c.Color), c.Value);
    }
    EXPECT_EQ(ColorFromValue(-2147483633), QApplication::palette().color(QPalette::Button));
    // Any system colour index reads as a real palette colour, never garbage.
    for (int index = 0; index < 256; ++index)
        EXPECT_TRUE(ColorFromValue(SystemColorFlag | index).isValid());
    EXPECT_TRUE(IsSystemColorValue(ColorButtonFace));
    EXPECT_FALSE(IsSystemColorValue(6729762));
}

} // namespace
