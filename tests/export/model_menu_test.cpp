// SPDX-License-Identifier: MIT
// "Сохранить 3D-модель…" in the main window: its place in "Файл", and the
// model of what the view shows written from it.
#include "app/application.h"
#include "app/main_window.h"
#include "app/model_export_part.h"
#include "app/picture_part.h"
#include "tests/support/main_window_controls.h"

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

TEST(ModelMenu, SavesWhatTheViewShowsFromTheFileMenu)
{
    PrepareApplication();
    Application app(QStringLiteral(VESTREL_PROGRAM_DIR));
    MainWindow& window = app.mainWindow();
    window.showMessageBox = [](const QString&) {};
    const MainWindowControls c(window);
    const QList<QAction*> items = c.fileMenu->actions();
    const auto at = items.indexOf(c.saveImageAction);
    ASSERT_GE(at, 0);
    ASSERT_LT(at + 1, items.size());
    EXPECT_EQ(items[at + 1], c.saveModelAction);
    EXPECT_EQ(c.saveModelAction->text(), QStringLiteral("Сохранить 3D-модель…"));

    c.structureList->setCurrentIndex(1); // "1. NaCl (Соль)"
    emit c.structureList->activated(1);
    c.buildButton->click();
    auto* part = window.findChild<ModelExportPart*>(QStringLiteral("modelExportPart"));
    ASSERT_TRUE(part);
    QTemporaryDir dir;
    const QString path = dir.filePath("nacl.glb");
    QStringList shown;
    part->askChoice = [&](const ModelChoice&) { return ModelChoice{path, {}}; };
    part->showMessage = [&](const QString& text, bool) { shown << text; };
    c.saveModelAction->trigger();
    EXPECT_TRUE(shown.isEmpty()) << shown.join(' ').toStdString();
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(QFile::encodeName(path).toStdString(), 0);
    ASSERT_TRUE(scene) << importer.GetErrorString();
    // The atoms of two colours and the grey lines at least.
    EXPECT_GE(scene->mNumMeshes, 3u);
}

// The progress dialog stays away from short work, comes after half a
// second, in both modes, and says stop once "Отмена" is pressed.
TEST(ProgressWindowTest, AppearsAfterHalfASecondAndStopsOnCancel)
{
    for (const double fraction : {0.25, -1.0}) {
        SCOPED_TRACE(fraction);
        ProgressWindow progress(nullptr, QStringLiteral("Сохранение рисунка…"));
        EXPECT_TRUE(progress.report(fraction));
        EXPECT_FALSE(progress.dialog()->isVisible());
        for (int i = 0; i < 10; ++i) {
            QThread::msleep(100);
            EXPECT_TRUE(progress.report(fraction < 0 ? fraction : fraction + 0.05 * i));
        }
        EXPECT_TRUE(progress.dialog()->isVisible());
        EXPECT_EQ(progress.dialog()->findChild<QPushButton*>()->text(), QStringLiteral("Отмена"));
        progress.dialog()->cancel();
        EXPECT_FALSE(progress.report(0.9));
    }
}

} // namespace
} // namespace vestrel
