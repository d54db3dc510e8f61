// SPDX-License-Identifier: MIT
// All windows of the program, created at start-up and kept to the end.
#pragma once

#include <QString>
#include <memory>

namespace vestrel {

class AboutForm;
class Form1;
class Form2;
class Form4;
class Form5;
class Form6;
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
    AboutForm& about() { return *about_; }
    Form2& legend() { return *form2_; }
    Form5& reference() { return *form5_; }
    Form6& calculator() { return *form6_; }

private:
    std::unique_ptr<HintRouter> hints_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<AboutForm> about_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
};

} // namespace vestrel
