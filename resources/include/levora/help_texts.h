#pragma once

// The words of Levora's help: the captions, titles and pages of the help
// window. The picture generator draws the pages from these constants and the
// help window describes the same pages to screen readers with them, so a text
// is changed in one place only. Every string is UTF-8.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace levora::help {

// The help window's toolbar buttons.
inline constexpr std::string_view ExitCaption = "退出";
inline constexpr std::string_view NoticeCaption = "提请";
inline constexpr std::string_view HowToCaption = "如何";
inline constexpr std::string_view GlossaryCaption = "词汇";

// A page's title, which is also the text of the link to it on the topics
// page, and the English the window shows with it.
struct PageTitle {
    std::string_view chinese;
    std::string_view english;
};

inline constexpr PageTitle TopicsTitle{"帮助要领", "Help essentials"};
inline constexpr PageTitle NoticeTitle{"提请注意此处数据及结果", "Notice the data and results"};
inline constexpr PageTitle HowToTitle{"如何操作输入与输出", "How to work the inputs and outputs"};
inline constexpr PageTitle GlossaryTitle{"词汇", "Glossary"};

// The notice page: what the estimates are, and what they are not.
inline constexpr std::array<std::string_view, 2> NoticeParagraphs{
    "The model works on an arbitrarily simulated income distribution of North Korea for 2002. Keep this in mind "
    "when you read its estimates: they show how a tax would fall on such a distribution, not measured facts.",
    "The model estimates real tax burdens in the economic sense: what a tax finally takes from each income range "
    "once it has been shifted through prices and wages. These differ from the statutory tax liabilities written "
    "in law, and they are the ones that serve policy making.",
};

// A numbered note of the how-to page, which a line joins to the part of the
// estimation window it explains.
struct HowToNote {
    std::string_view english;
    std::string_view chinese;
};

// A group of notes under its heading: the window's outputs or its inputs.
struct HowToGroup {
    std::string_view english;
    std::string_view chinese;
    std::array<HowToNote, 3> notes;
};

// The three results at the top of the estimation window, top to bottom.
inline constexpr HowToGroup HowToOutputs{
    "Outputs",
    "输出",
    {{
        {"The tax burden of one person, in won", "每人的税收负担（圆）"},
        {"The progressivity of the tax", "该税的累进性"},
        {"The redistribution effect of the tax", "该税的再分配效应"},
    }},
};

// The three steps below them: an entry box and two drop-down lists.
inline constexpr HowToGroup HowToInputs{
    "Inputs",
    "输入",
    {{
        {"A proposed total tax revenue, in hundred million won", "拟定的税收总额（亿圆）"},
        {"The income elasticity of the tax: about 0.3 for an income tax, -0.4 for a sales tax",
         "该税的收入弹性：所得税约 0.3，销售税约 -0.4"},
        {"A pre-tax income range, in won", "一个税前收入范围（圆）"},
    }},
};

// The caption of the estimation window's button, drawn on the how-to page.
inline constexpr std::string_view GoCaption = "GO";

// A term of the glossary, in both languages, with its definition in both.
struct GlossaryEntry {
    std::string_view englishTerm;
    std::string_view chineseTerm;
    std::string_view chineseDefinition;
    std::string_view englishDefinition;
};

// The heads of the glossary's columns, in the fields of the entries below them.
inline constexpr GlossaryEntry GlossaryColumns{"Term", "术语", "释义", "Definition"};

// In alphabetical order of the English terms, as the page lists them.
inline constexpr std::array<GlossaryEntry, 7> Glossary{{
    {"Income", "收入", "一个人一年内从劳动、财产和转移支付中得到的所得。此处指税前收入，单位为圆。",
     "What a person receives in a year from work, property and transfers. Here: pre-tax income, in won."},
    {"Income distribution", "收入分配", "一国人口在各收入范围中的分布：每个收入范围内的人口所占的比例。",
     "How the people of a country are spread over income ranges: the share of people in each range."},
    {"Progressivity", "累进性",
     "税收负担随收入上升的程度。税率随收入上升时为正（累进税），比例税为零，税率随收入下降时为负（累退税）。"
     "此处为 1 减去各收入范围税率的平均值与平均税率之比，单位为 hppm。",
     "How a tax's burden rises with income. Positive when the tax rate rises with income (progressive), zero for "
     "a proportional tax, negative when it falls (regressive). Here 1 minus the mean tax rate of the ranges over "
     "the average tax rate, in hppm."},
    {"Redistribution effect", "再分配效应",
     "税收缩小收入差距的程度：累进性乘以 t / (1 - t)，其中 t 为平均税率，单位为 hppm。",
     "How much a tax narrows the gaps between incomes: the progressivity times t / (1 - t), where t is the "
     "average tax rate, in hppm."},
    {"Tax burden", "税收负担", "税收在转嫁给他人或由他人转嫁而来之后，最终从一个人那里取走的数额，单位为圆。",
     "What a tax finally takes from a person, after it has been shifted to others or from others, in won."},
    {"Tax elasticity", "税收弹性", "一个人的收入变动百分之一时，其税额变动的百分比。",
     "The percentage by which a person's tax changes when their income changes by one percent."},
    {"Tax incidence", "税收归宿", "最终由谁负担一种税；这可能与法律规定的纳税人不同。",
     "Who finally bears a tax, which may differ from who pays it by law."},
}};

// The note below the glossary's table on the unit of two of its terms.
inline constexpr std::string_view HppmNote =
    "Progressivity and redistribution effect are measured in hundred parts "
    "per million, hppm: 1 hppm = 0.0001 = 0.01 % = 1E-4.";
inline constexpr std::string_view HppmNoteChinese =
    "累进性和再分配效应的单位为 hppm（百万分之一百，即万分之一）：1 hppm = 0.0001 = 0.01 % = 1E-4。";

// The number a note of a group shows, counted from 1 within its group.
inline std::string noteNumber(std::size_t index) { return std::to_string(index + 1); }

namespace detail {

inline void appendLine(std::string& text, std::string_view line) {
    if (!text.empty()) {
        text += '\n';
    }
    text += line;
}

inline void appendGroup(std::string& text, const HowToGroup& group) {
    appendLine(text, group.english);
    for (std::size_t i = 0; i < group.notes.size(); ++i) {
        appendLine(text, noteNumber(i) + ". " + std::string(group.notes[i].english));
    }
}

} // namespace detail

// The English words of each page in reading order, one piece a line, for the
// accessible description of the window that shows the page's picture.
inline std::string notePageText() {
    std::string text;
    for (const std::string_view paragraph : NoticeParagraphs) {
        detail::appendLine(text, paragraph);
    }
    return text;
}

inline std::string howToPageText() {
    std::string text;
    detail::appendGroup(text, HowToOutputs);
    detail::appendGroup(text, HowToInputs);
    return text;
}

inline std::string glossaryPageText() {
    std::string text;
    detail::appendLine(text, GlossaryColumns.englishTerm);
    detail::appendLine(text, GlossaryColumns.englishDefinition);
    for (const GlossaryEntry& entry : Glossary) {
        detail::appendLine(text, entry.englishTerm);
        detail::appendLine(text, entry.englishDefinition);
    }
    detail::appendLine(text, HppmNote);
    return text;
}

} // namespace levora::help
