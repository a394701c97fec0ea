#pragma once

#include <gtest/gtest.h>
#include <QtGlobal>
#include <memory>

// One Qt application (QGuiApplication or QApplication) for every test of a
// test program, on the offscreen platform unless another is set. Register it
// once: ::testing::AddGlobalTestEnvironment(new QtAppEnvironment<QGuiApplication>).
template <typename App>
class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<App>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[5] = "test", *argv_[2] = {name_, nullptr};
    std::unique_ptr<App> app_;
};
