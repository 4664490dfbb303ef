// Test helper: one QApplication for the whole test program, set up before the first test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <memory>

namespace korvalt::test {

class QtAnwendung : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "korvalt-test";
        static char* argv[] = {name, nullptr};
        // QSettings writes into a test folder, never into the user's configuration.
        QStandardPaths::setTestModeEnabled(true);
        anwendung_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { anwendung_.reset(); }

  private:
    std::unique_ptr<QApplication> anwendung_;
};

inline ::testing::Environment* const qtAnwendung =
    ::testing::AddGlobalTestEnvironment(new QtAnwendung);

}  // namespace korvalt::test
