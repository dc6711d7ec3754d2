#include "picture.h"

#include <levora/help_texts.h>

#include <QTextStream>

#include <cstdlib>

namespace levora::picturegen {
namespace {

const QColor green(0x00, 0x80, 0x00);
const QColor lightCyan(192, 255, 255);
const QColor buttonFace(0xC0, 0xC0, 0xC0);
const QColor darkRed(0x80, 0x00, 0x00);

Caption button(const QString& text) {
    return {.text = text, .ink = Qt::black, .alignment = Qt::AlignCenter, .face = buttonFace, .raised = true};
}

Caption label(const QString& text, bool bold = false) { return {.text = text, .ink = green, .bold = bold}; }

Caption link(std::string_view text) { return {.text = fromUtf8(text), .ink = green, .underline = true}; }

Caption title(std::string_view text) { return {.text = fromUtf8(text), .ink = Qt::black, .bold = true}; }

} // namespace

const std::vector<Picture>& pictures() {
    static const std::vector<Picture> table{
        {"exit_button", {31, 17}, button(QStringLiteral("退出"))},
        {"help_button", {31, 17}, button(QStringLiteral("帮助"))},
        {"welcome",
         {40, 28},
         Caption{.text = QStringLiteral("欢迎"),
                 .ink = green,
                 .bold = true,
                 .alignment = Qt::AlignCenter,
                 .face = lightCyan}},
        {"result_burden", {96, 20}, label(QStringLiteral("税收负担为(圆)"))},
        {"result_progressivity", {96, 20}, label(QStringLiteral("税收累进性为"))},
        {"result_redistribution", {96, 20}, label(QStringLiteral("再分配效应为"))},
        {"title_three_steps", {145, 26}, label(QStringLiteral("三步即见模特儿评估"), true)},
        {"step1_revenue", {169, 23}, label(QStringLiteral("第一步: 选择税收总额 (亿圆)"))},
        {"step2_elasticity", {135, 23}, label(QStringLiteral("第二步: 选择弹性系数"))},
        {"step3_range", {154, 23}, label(QStringLiteral("第三步: 选择收入范围 (圆)"))},
        {"warning_message",
         {132, 127},
         Message{{
             {.text = QStringLiteral("输入有误，请重试！"), .ink = darkRed, .bold = true},
             {.text = QStringLiteral("可能的原因："), .ink = Qt::black},
             {.text = QStringLiteral("输入的税收总额过大或不是有效数据；"), .ink = Qt::black},
             {.text = QStringLiteral("没有从列表中选择弹性系数或收入范围。"), .ink = Qt::black},
         }}},
        {"smile", {24, 22}, &drawSmile},
        {"document_icon_16", {16, 16}, &drawDocumentIcon},
        {"document_icon_32", {32, 32}, &drawDocumentIcon},
        {"hand_cursor", {32, 32}, &drawHandCursor},
        {"program_icon", {60, 60}, &drawProgramIcon},
        {"flag_small", {48, 24}, &drawFlag},
        {"flag_large", {192, 96}, &drawFlag},
        {"map_east_asia", {252, 200}, &drawEastAsiaMap},
        {"help_exit_button", {53, 22}, button(fromUtf8(help::ExitCaption))},
        {"help_notice_button", {53, 22}, button(fromUtf8(help::NoticeCaption))},
        {"help_howto_button", {53, 22}, button(fromUtf8(help::HowToCaption))},
        {"help_glossary_button", {53, 22}, button(fromUtf8(help::GlossaryCaption))},
        {"help_icon_16", {16, 16}, &drawHelpIcon},
        {"help_icon_32", {32, 32}, &drawHelpIcon},
        {"topics_title", {67, 22}, title(help::TopicsTitle.chinese)},
        {"link_notice", {152, 20}, link(help::NoticeTitle.chinese)},
        {"link_howto", {129, 20}, link(help::HowToTitle.chinese)},
        {"link_glossary", {36, 20}, link(help::GlossaryTitle.chinese)},
        {"note_flag", {86, 49}, &drawFlag},
        {"note_page", {444, 444}, &drawNotePage},
        {"howto_title", {150, 28}, title(help::HowToTitle.chinese)},
        {"howto_page", {520, 400}, &drawHowToPage},
        {"glossary_title", {40, 24}, title(help::GlossaryTitle.chinese)},
        {"glossary_page", {717, 888}, &drawGlossaryPage},
    };
    return table;
}

const std::vector<Picture>& programIcons() {
    static const std::vector<Picture> icons = [] {
        std::vector<Picture> table;
        for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
            table.push_back({QStringLiteral("%1x%1").arg(side), {side, side}, &drawProgramIcon});
        }
        return table;
    }();
    return icons;
}

QString programIconPath(const Picture& icon) {
    return QStringLiteral("hicolor/%1/apps/org.example.levora.Levora.png").arg(icon.name);
}

const Picture& picture(const QString& name) {
    for (const Picture& candidate : pictures()) {
        if (candidate.name == name) {
            return candidate;
        }
    }
    QTextStream(stderr) << "levora-picturegen: no picture is named " << name << '\n';
    std::abort();
}

} // namespace levora::picturegen
