// Helpers for the shell's window tests: a store of their own in a temporary
// folder, and answers to message boxes.
#pragma once

#include "application.h"
#include "gamedata.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// A fresh store file per test, on a 1024 x 768 display at 16 bits.
class TShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        SetDisplayInfo({1024, 768, 16, 1});
        SetApplicationTitle(QStringLiteral("Tressalo"));
    }
    void TearDown() override { CloseGameData(); }

    std::filesystem::path StoreFile() const {
        return std::filesystem::path(folder_.path().toStdString()) / "Tressalo.INI";
    }
    QString FolderPath() const { return folder_.path(); }
    void OpenStore() { InitGameData(StoreFile()); }

private:
    QTemporaryDir folder_;
};

// Runs `then` once a modal window of type T is active (polling, so it also
// works from inside another modal loop).
template <typename T> void WhenModal(std::function<void(T*)> then, int triesLeft = 200) {
    QTimer::singleShot(10, [then, triesLeft] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            then(modal);
        } else if (triesLeft > 0) {
            WhenModal<T>(then, triesLeft - 1);
        }
    });
}

// Answers the next message box with the button, noting its text.
inline void AnswerMessageBox(QMessageBox::StandardButton answer, QString* text = nullptr) {
    WhenModal<QMessageBox>([answer, text](QMessageBox* box) {
        if (text)
            *text = box->text();
        box->button(answer)->click();
    });
}
