// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/LazyWindow.h"

#include <QDialog>
#include <QLineEdit>

class QLabel;
class QPushButton;

// A read-only, borderless edit field that looks and acts as a link.
class LinkField : public QLineEdit {
    Q_OBJECT

public:
    LinkField(const QString& address, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Asks the desktop to compose a support mail to the address in `sender`, an edit field; any
// other sender, and an empty field, is ignored.
void OpenMailLink(QObject* sender);
// Asks the desktop to open the web address in `sender`, an edit field; any other sender, and an
// empty field, is ignored.
void OpenLink(QObject* sender);

// The about box: version, support and home page links.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // With the build's support mail address and home page.
    explicit TAboutBox(QWidget* parent = nullptr);
    // A line whose address is empty is not shown.
    TAboutBox(const QString& supportMailAddress, const QString& homePageAddress, QWidget* parent = nullptr);
    // Stores the box's position.
    ~TAboutBox() override;

    LinkField* MailSupportLink;
    LinkField* HomePageLink;
    QPushButton* OKButton;

protected:
    // Esc closes the box as OK does.
    void reject() override { accept(); }
};

// Created on first use by the program's windows (app/GameWindows).
extern LazyWindow<TAboutBox> AboutBox;
