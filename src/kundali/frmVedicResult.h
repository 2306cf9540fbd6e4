#pragma once

// PLACEHOLDER: the Kundali result window is being built; this header fixes
// only what the input window's calculation writes into it.

#include "TestWindow.h"

#include <QLabel>

#include <array>
#include <string>

class RichTextBox;

class frmVedicResult : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmVedicResult";
    frmVedicResult();

    std::array<QLabel*, 44> lblVarna{}; // the score table's cells 0..43
    RichTextBox* RTB;                    // the interpretation box
};

enum class KundaliPerson { Boy, Girl };

// Fill one person's rashi or nakshatra page of the result window (loading
// it on first touch); a name without a row leaves the page as it was.
void ShowRashiInformation(KundaliPerson who, const std::string& signName);
void ShowNakshatraInformation(KundaliPerson who, const std::string& nakshatra);

// Writes the match report's runs at the box's insertion point; the
// interpretation box takes it without the footer lines.
void WriteMatchReport(RichTextBox* box, bool withFooters);
