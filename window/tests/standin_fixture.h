// The window's actions against the scripted stand-in library: Form1 shown
// on the test's platform, a fresh binding that finds the stand-in by the
// library's name, and the stand-in's script and call log.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QString>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "actions.h"
#include "form.h"
#include "library_binding.h"
#include "standin/standin.h"

struct BindingFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class StandinActions : public ::testing::Test {
  protected:
    using Call = std::pair<std::string, std::int32_t>;

    static QzStandinScript &script() {
        // The same file the binding finds through LD_LIBRARY_PATH: the
        // loader keeps one copy, so the test and the window share it.
        static QzStandinScript *shared = [] {
            void *handle = dlopen(QZ_STANDIN_FILE, RTLD_NOW);
            if (!handle) throw std::runtime_error(dlerror());
            auto get = reinterpret_cast<QzStandinScript *(*)()>(dlsym(handle, "qzStandinScript"));
            return get();
        }();
        return *shared;
    }

    static std::vector<Call> &calls() {
        static std::vector<Call> log;
        return log;
    }

    static void setString(QzStandinString &target, std::vector<unsigned char> bytes) {
        target.length = std::int32_t(bytes.size());
        std::memcpy(target.bytes, bytes.data(), bytes.size());
    }

    void SetUp() override {
        script() = QzStandinScript{};
        script().onCall = [](const char *function, std::int32_t argument) {
            calls().emplace_back(function, argument);
        };
        calls().clear();
        library = std::make_unique<talvex::LibraryBinding>(
            [](const QString &message) { throw BindingFailure(message.toStdString()); });
        form = std::make_unique<talvex::Form>();
        actions = std::make_unique<talvex::Actions>(*form, *library);
        form->show();
    }

    void TearDown() override { script().onCall = nullptr; }

    QString caption(const char *label) const { return form->label(label)->caption(); }

    std::unique_ptr<talvex::LibraryBinding> library;
    std::unique_ptr<talvex::Form> form;
    std::unique_ptr<talvex::Actions> actions;
};
