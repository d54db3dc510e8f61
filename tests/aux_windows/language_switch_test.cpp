// SPDX-License-Identifier: MIT
// The reference, legend and About windows on a change of the interface's
// language: every text is asked again of the translator under its window's
// context, and the pictures are read again, the English twin where there is
// one and the Russian picture where there is none.
#include "app/about_window.h"
#include "app/legend_window.h"
#include "app/picture_box.h"
#include "app/reference_window.h"
#include "logic/text/language.h"
#include "tests/aux_windows/program_folder.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>

namespace vestrel {
namespace {

using testing::Near;
using testing::ProgramFolder;

// Answers every text with its context and source, so that a test sees both.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QStringLiteral("[%1] %2").arg(QString::fromUtf8(context), QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

QString Marked(const char* context, const char* source)
{
    return QStringLiteral("[%1] %2").arg(QString::fromUtf8(context), QString::fromUtf8(source));
}

// The translator for the length of a test; installing it sends every widget
// QEvent::LanguageChange, as the program's switch of language does.
class TranslatedTexts {
public:
    TranslatedTexts()
    {
        QCoreApplication::installTranslator(&translator_);
        QApplication::processEvents();
    }
    ~TranslatedTexts() { QCoreApplication::removeTranslator(&translator_); }

private:
    MarkingTranslator translator_;
};

class InEnglish {
public:
    InEnglish() { SetCurrentLanguage(Language::English); }
    ~InEnglish() { SetCurrentLanguage(Language::Russian); }
};

QColor CentreOf(const QImage& image) { return image.pixelColor(image.width() / 2, image.height() / 2); }

const QColor RussianColour(200, 40, 40);
const QColor EnglishColour(40, 60, 210);

TEST(LanguageSwitch, ReferenceWindowRelabelsItsPagesAndReadsTheEnglishPictures)
{
    ProgramFolder folder;
    const char* const files[ReferenceWindow::PageCount] = {"Reference/Classes32.jpg", "Reference/Bravais.jpg",
        "Reference/CubicForms.jpg", "Reference/Packings.jpg", "Reference/Wulff.jpg"};
    for (const char* file : files)
        folder.writePicture(QStringLiteral("Data/") + file, QSize(40, 30), RussianColour);
    // The net has no words, so it has no English twin.
    for (int i = 0; i < 4; ++i)
        folder.writePicture(QStringLiteral("Data/en/") + files[i], QSize(40, 30), EnglishColour);
    ReferenceWindow form(folder.path());
    ASSERT_TRUE(Near(CentreOf(form.picture(0)->picture()), RussianColour));
    {
        InEnglish english;
        form.reloadPictures();
        EXPECT_TRUE(form.loadErrors().isEmpty()) << form.loadErrors().join("; ").toStdString();
        for (int i = 0; i < ReferenceWindow::PageCount; ++i)
            EXPECT_TRUE(Near(CentreOf(form.picture(i)->picture()), i < 4 ? EnglishColour : RussianColour)) << files[i];
    }
    form.reloadPictures();
    EXPECT_TRUE(Near(CentreOf(form.picture(0)->picture()), RussianColour));

    TranslatedTexts translated;
    const char* const context = "vestrel::ReferenceWindow";
    EXPECT_EQ(form.windowTitle(), Marked(context, "Краткий  справочник по кристаллографии"));
    EXPECT_EQ(form.pages()->tabText(0), Marked(context, "Распределение 32 видов симметрии по сингониям"));
    EXPECT_EQ(form.pages()->tabText(4), Marked(context, "Сетка Вульфа"));
}

TEST(LanguageSwitch, LegendWindowRelabelsItsGroupAndReadsTheEnglishPicture)
{
    ProgramFolder folder;
    folder.writePicture("Data/Legend/Atoms.jpg", QSize(145, 437), RussianColour);
    LegendWindow form(folder.path());
    ASSERT_TRUE(Near(CentreOf(form.picture()->picture()), RussianColour));
    {
        // The legend's symbols need no words: without a twin, the one picture serves.
        InEnglish english;
        form.reloadPictures();
        EXPECT_TRUE(Near(CentreOf(form.picture()->picture()), RussianColour)) << form.loadError().toStdString();
        folder.writePicture("Data/en/Legend/Atoms.jpg", QSize(145, 437), EnglishColour);
        form.reloadPictures();
        EXPECT_TRUE(Near(CentreOf(form.picture()->picture()), EnglishColour)) << form.loadError().toStdString();
    }

    TranslatedTexts translated;
    EXPECT_EQ(form.group()->title(), Marked("vestrel::LegendWindow", "Обозначения атомов :"));
}

// The banners are sized to their texts, so a longer text widens its band.
TEST(LanguageSwitch, AboutWindowRelabelsAndResizesItsBannersAndReadsTheEnglishBackground)
{
    ProgramFolder folder;
    folder.writePicture("Data/About/Crystal.jpg", QSize(16, 16), RussianColour);
    AboutWindow form(folder.path());
    {
        InEnglish english;
        form.reloadPictures();
        EXPECT_TRUE(Near(CentreOf(form.background()), RussianColour)) << form.loadError().toStdString();
        folder.writePicture("Data/en/About/Crystal.jpg", QSize(16, 16), EnglishColour);
        form.reloadPictures();
        EXPECT_TRUE(Near(CentreOf(form.background()), EnglishColour)) << form.loadError().toStdString();
    }

    const int titleWidth = form.titleLabel()->width();
    TranslatedTexts translated;
    const char* const context = "vestrel::AboutWindow";
    EXPECT_EQ(form.windowTitle(), Marked(context, "О программе"));
    EXPECT_EQ(form.titleLabel()->text(), Marked(context, "Вестрел"));
    EXPECT_EQ(form.versionLabel()->text(), Marked(context, "Вер. 1.1"));
    EXPECT_EQ(form.okButton()->text(), Marked(context, "ОК"));
    EXPECT_GT(form.titleLabel()->width(), titleWidth);
    EXPECT_EQ(form.titleLabel()->pos(), QPoint(144, 8));
}

} // namespace
} // namespace vestrel
