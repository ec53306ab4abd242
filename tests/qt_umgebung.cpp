// Text on bitmaps needs a QGuiApplication; this environment gives every test
// binary that links it one, on the offscreen platform unless told otherwise.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtUmgebung : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        App = std::make_unique<QGuiApplication>(Argc, Argv);
    }
    void TearDown() override { App.reset(); }

private:
    int Argc = 1;
    char Name[16] = "umbrix-test";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QGuiApplication> App;
};

[[maybe_unused]] testing::Environment* const Umgebung =
    testing::AddGlobalTestEnvironment(new QtUmgebung);

} // namespace
