// Text, fonts and PDF output need a QGuiApplication; one serves every test here.
#include <QGuiApplication>

#include "testing/qt_app_environment.h"

namespace {
const auto* const kGuiEnvironment = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment<QGuiApplication>);
}  // namespace
