// Test helper: one QApplication for the whole test program, set up before the first test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
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
        // A folder of this test program's own: CTest runs tests side by side, and one that opens
        // a case file would otherwise add it to another's list of files opened last.
        einstellungen_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen_->path());
    }
    void TearDown() override {
        anwendung_.reset();
        einstellungen_.reset();
    }

  private:
    std::unique_ptr<QApplication> anwendung_;
    std::unique_ptr<QTemporaryDir> einstellungen_;
};

inline ::testing::Environment* const qtAnwendung =
    ::testing::AddGlobalTestEnvironment(new QtAnwendung);

}  // namespace korvalt::test
