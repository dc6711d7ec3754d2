#pragma once

// The estimation window: the result panel on top, the three input steps and
// the "GO" button below, and a top bar with the Exit and Help pictures. It
// keeps the estimation state and the colour scheme; the engine decides each
// request and computes the results, Module1 switches the result area between
// its two looks.

#include "levora/estimation.h"
#include "levora/toolkit/controls.h"
#include "levora/toolkit/form.h"
#include "levora/toolkit/line.h"

#include <QAction>
#include <QMenu>
#include <QString>

#include <cstdint>

namespace levora::ui {

class Form1 : public toolkit::Form {
    Q_OBJECT

public:
    Form1();

    // The menu bar.
    QAction* mnuFileExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpTopic = nullptr;
    QAction* mnuHelpAbout = nullptr;

    // The top bar.
    toolkit::PictureBox* Picture1 = nullptr;
    toolkit::Image* Image7 = nullptr;
    toolkit::Image* Image8 = nullptr;
    toolkit::Line* Line5 = nullptr;
    toolkit::Line* Line6 = nullptr;

    // The main panel and the result panel in it.
    toolkit::PictureBox* Picture2 = nullptr;
    toolkit::PictureBox* Picture3 = nullptr;
    toolkit::Image* Image6 = nullptr;
    toolkit::Image* Image1a = nullptr;
    toolkit::Image* Image1b = nullptr;
    toolkit::Image* Image1c = nullptr;
    toolkit::Label* Label6 = nullptr;
    toolkit::Label* Label7 = nullptr;
    toolkit::Label* Label8 = nullptr;

    // The three steps and the "GO" button.
    toolkit::Image* Image2 = nullptr;
    toolkit::Image* Image3 = nullptr;
    toolkit::TextBox* Text2 = nullptr;
    toolkit::Image* Image4 = nullptr;
    toolkit::ComboBox* Combo1 = nullptr;
    toolkit::Image* Image5 = nullptr;
    toolkit::ComboBox* Combo2 = nullptr;
    toolkit::CommandButton* Command1 = nullptr;

    // The frames around the result panel, the entry box and the two lists:
    // left, top, right and bottom line of each.
    toolkit::Line* Line11 = nullptr;
    toolkit::Line* Line12 = nullptr;
    toolkit::Line* Line13 = nullptr;
    toolkit::Line* Line14 = nullptr;
    toolkit::Line* Line21 = nullptr;
    toolkit::Line* Line22 = nullptr;
    toolkit::Line* Line23 = nullptr;
    toolkit::Line* Line24 = nullptr;
    toolkit::Line* Line31 = nullptr;
    toolkit::Line* Line32 = nullptr;
    toolkit::Line* Line33 = nullptr;
    toolkit::Line* Line34 = nullptr;
    toolkit::Line* Line41 = nullptr;
    toolkit::Line* Line42 = nullptr;
    toolkit::Line* Line43 = nullptr;
    toolkit::Line* Line44 = nullptr;

    // The estimation state: the inputs of the last request and the results of
    // the last estimation.
    double Revenue = 0;
    std::int16_t ElasticityIndex = 0;
    int RangeIndex = 0;
    double TaxBurden = 0;
    double AverageTaxRate = 0;
    double Progressivity = 0;
    double Redistribution = 0;
    QString BurdenText;
    QString ProgressivityText;
    QString RedistributionText;

    // The colour scheme: colour values, converted when they are applied.
    std::int64_t WindowsColor = 0;
    std::int64_t FontsColor = 0;
    std::int64_t BackgroundColor = 0;

    // The gap between a framed control and its frame, and the frame's width.
    std::int16_t FrameGap = 0;
    std::int16_t FrameLineWidth = 0;

protected:
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;
    void Form_Resize() override;

private:
    void buildMenu();
    void buildTopBar();
    void buildResultPanel();
    void buildSteps();
    void buildFrames();
    void connectEvents();

    void FrameResultPanel();
    void FrameRevenueEntry();
    void FrameElasticityList();
    void FrameRangeList();
    void drawFrame(const toolkit::ControlProperties& control, toolkit::Line* left, toolkit::Line* top,
                   toolkit::Line* right, toolkit::Line* bottom) const;
    void ApplyColors();
    void BuildModelTables();
    void RunEstimation(const Expected<Estimation, EstimationError>& result);

    void Command1_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Text2_Change();

    void mnuFileExit_Click();
    void mnuHelpTopic_Click();
    void mnuHelpAbout_Click();
    void Image7_Click();
    void Image8_Click();
};

} // namespace levora::ui

namespace levora::forms {

/// The program's one estimation window.
inline toolkit::FormInstance<ui::Form1> Form1;

} // namespace levora::forms
