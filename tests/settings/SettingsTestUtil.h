#pragma once

#include "QtTestSupport.h"
#include "platform/UserRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <sstream>

// Points the per-user registry at a file in a fresh temporary folder for one test.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        registryPath = folder.filePath(QStringLiteral("user.reg"));
        UserRegistry::SetFilePath(registryPath);
    }
    void TearDown() override { UserRegistry::SetFilePath({}); }

    QString RegistryText() const
    {
        QFile file(registryPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir folder;
    QString registryPath;
};

// Waits for the next modal message box, lets `inspect` look at it, then presses `answer`.
inline void AnswerNextMessageBox(QMessageBox::StandardButton answer, std::function<void(QMessageBox&)> inspect)
{
    AnswerNextModal([answer, inspect](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        inspect(*box);
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->reject();
    });
}

// Collects what is written to std::cerr while it lives.
class CaptureStandardError {
public:
    CaptureStandardError() : previous(std::cerr.rdbuf(text.rdbuf())) {}
    ~CaptureStandardError() { std::cerr.rdbuf(previous); }
    std::string Text() const { return text.str(); }

private:
    std::ostringstream text;
    std::streambuf* previous;
};
