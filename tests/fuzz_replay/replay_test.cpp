// SPDX-License-Identifier: MIT
// Every fuzz target over its seeds (fuzz/corpus/<target>/) and over every
// input that ever crashed it (fuzz/crashers/<target>/): a check that fails
// is an ordinary test failure here.
#include "fuzz/fuzz_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cctype>

namespace vestrel {
namespace {

struct Input {
    std::string target;
    std::string kind; // "corpus" or "crashers"
    QString path;
};

void PrintTo(const Input& input, std::ostream* os) { *os << input.path.toStdString(); }

std::vector<Input> allInputs()
{
    std::vector<Input> inputs;
    for (const fuzz::Target& target : fuzz::Targets())
        for (const char* kind : {"corpus", "crashers"}) {
            const QDir dir(QStringLiteral(VESTREL_FUZZ_DIR "/%1/%2").arg(kind, QString::fromStdString(target.name)));
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
                inputs.push_back({target.name, kind, dir.filePath(name)});
        }
    return inputs;
}

void failTest(const char* what) { ADD_FAILURE() << what; }

class FuzzReplay : public ::testing::TestWithParam<Input> {};

TEST_P(FuzzReplay, HoldsEveryCheck)
{
    const Input& input = GetParam();
    QFile file(input.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << input.path.toStdString();
    const QByteArray bytes = file.readAll();
    fuzz::SetFailureHandler(failTest);
    fuzz::Find(input.target)(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size()));
    fuzz::SetFailureHandler(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzReplay, ::testing::ValuesIn(allInputs()), [](const auto& info) {
    std::string name =
        info.param.target + "_" + info.param.kind + "_" + QFileInfo(info.param.path).fileName().toStdString();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

// Each target has seeds to start from.
TEST(FuzzTargets, EachHasASeedCorpus)
{
    ASSERT_GE(fuzz::Targets().size(), 3u);
    for (const fuzz::Target& target : fuzz::Targets()) {
        const QDir dir(QStringLiteral(VESTREL_FUZZ_DIR "/corpus/%1").arg(QString::fromStdString(target.name)));
        EXPECT_GE(dir.entryList(QDir::Files).size(), 3) << target.name;
    }
}

} // namespace
} // namespace vestrel
