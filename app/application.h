// SPDX-License-Identifier: MIT
// All windows of the program, created at start-up and kept to the end.
#pragma once

#include <QString>
#include <memory>

namespace vestrel {

class Form1;
class Form4;
class HintRouter;

// Settings that must be made before the QApplication exists: the default
// surface format (double-buffered RGBA with a depth buffer).
void PrepareApplication();

class Application {
public:
    explicit Application(const QString& programDir);
    ~Application();
    void show();

    Form1& mainWindow() { return *form1_; }
    Form4& settings() { return *form4_; }
    HintRouter& hints() { return *hints_; }

private:
    std::unique_ptr<HintRouter> hints_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form1> form1_;
};

} // namespace vestrel
