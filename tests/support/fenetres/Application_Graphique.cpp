// One QApplication for the whole test program, on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

struct Application_Graphique : ::testing::Environment {
    void SetUp() override {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application.reset(); }

    int argc = 1;
    char nom[16] = "test_caldrix";
    char* argv[2] = {nom, nullptr};
    std::unique_ptr<QApplication> application;
};

[[maybe_unused]] auto* const enregistre =
    ::testing::AddGlobalTestEnvironment(new Application_Graphique);

}  // namespace
