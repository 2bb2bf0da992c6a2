#pragma once

#include "ui/LanguageWindow.h"

#include <QDialog>

#include <string>

class QLabel;

// The about box "Info": picture ("logo.bmp" of the working directory, if
// there is one), title, the comment and footer texts of the settings file.
class TForm2 : public ui::LanguageWindow<QDialog> {
    Q_OBJECT
public:
    TForm2(const std::string& commentText, const std::string& footerText,
           QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Title = nullptr;
    QLabel* Comment = nullptr;
    QLabel* Footer = nullptr;
};
