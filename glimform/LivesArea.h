#pragma once

#include <QWidget>

class TGlimmerForm;

// The paint box of the lives: the main window draws it.
class LivesArea : public QWidget {
public:
    LivesArea(TGlimmerForm* form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGlimmerForm* form;
};
