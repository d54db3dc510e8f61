// SPDX-License-Identifier: MIT
// The settings window's picture options: captions, start values, what the
// frame routine reads from them, and smoothing where the context has none.
#include "tests/support/main_window_controls.h"
#include "app/application.h"
#include "app/gl_panel.h"
#include "app/main_window.h"
#include "app/picture_size_dialog.h"
#include "app/settings_window.h"
#include "logic/hints.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

TEST(PictureOptions, StartOffAndReachTheFrameInputs)
{
    PrepareApplication();
    Application app(QStringLiteral(VESTREL_PROGRAM_DIR));
    SettingsWindow& settings = app.settings();
    MainWindow& w = app.mainWindow();
    EXPECT_EQ(settings.shadedCheck->text(), QStringLiteral("Объёмное изображение"));
    EXPECT_EQ(settings.smoothCheck->text(), QStringLiteral("Сглаживание"));
    EXPECT_FALSE(settings.shadedCheck->isChecked());
    EXPECT_FALSE(settings.smoothCheck->isChecked());
    EXPECT_FALSE(w.readFrameInputs().shaded);
    EXPECT_FALSE(w.readFrameInputs().smooth);

    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(200);
    ASSERT_GE(Controls(w).glPanel->availableSamples(), 0) << "known once the panel's context is made";
    EXPECT_EQ(settings.smoothCheck->isEnabled(), Controls(w).glPanel->availableSamples() > 0);

    settings.shadedCheck->setChecked(true);
    EXPECT_TRUE(w.readFrameInputs().shaded);
    if (settings.smoothCheck->isEnabled()) {
        settings.smoothCheck->setChecked(true);
        EXPECT_TRUE(w.readFrameInputs().smooth);
    }
}

TEST(PictureOptions, WithoutMultisamplingSmoothingIsDisabledAndSaysWhy)
{
    SettingsWindow settings;
    settings.smoothCheck->setChecked(true);
    settings.setSmoothingSamples(0);
    EXPECT_FALSE(settings.smoothCheck->isEnabled());
    EXPECT_FALSE(settings.smoothCheck->isChecked());
    EXPECT_TRUE(HintOf(settings.smoothCheck).contains(QStringLiteral("недоступно")))
        << HintOf(settings.smoothCheck).toStdString();
    settings.setSmoothingSamples(4);
    EXPECT_TRUE(settings.smoothCheck->isEnabled());
    EXPECT_FALSE(HintOf(settings.smoothCheck).contains(QStringLiteral("недоступно")));
}

TEST(PictureSizeDialog, OffersThePanelTwiceFourTimesOrATypedSize)
{
    PictureSizeDialog dialog(QSize(900, 750));
    EXPECT_TRUE(dialog.panelRadio->isChecked());
    EXPECT_EQ(dialog.chosenSize(), QSize(900, 750));
    EXPECT_TRUE(dialog.doubleRadio->text().contains(QStringLiteral("1800 × 1500")));
    EXPECT_TRUE(dialog.fourfoldRadio->text().contains(QStringLiteral("3600 × 3000")));
    EXPECT_FALSE(dialog.widthField->isEnabled());
    dialog.doubleRadio->setChecked(true);
    EXPECT_EQ(dialog.chosenSize(), QSize(1800, 1500));
    dialog.fourfoldRadio->setChecked(true);
    EXPECT_EQ(dialog.chosenSize(), QSize(3600, 3000));
    dialog.customRadio->setChecked(true);
    EXPECT_TRUE(dialog.widthField->isEnabled());
    const struct {
        const char* width;
        const char* height;
        QSize size;
    } typed[] = {{"8192", "8192", {8192, 8192}}, {" 640 ", "480", {640, 480}}, {"-3", "10", {-3, 10}},
                 {"широко", "10", {0, 10}}, {"", "9000", {0, 9000}}};
    for (const auto& t : typed) {
        dialog.widthField->setText(QString::fromUtf8(t.width));
        dialog.heightField->setText(QString::fromUtf8(t.height));
        EXPECT_EQ(dialog.chosenSize(), t.size) << t.width << " x " << t.height;
    }
}

} // namespace
} // namespace vestrel
