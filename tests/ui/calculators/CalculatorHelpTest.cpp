#include "calculators/Catalog.h"
#include "ui/calculators/CommonButtons.h"
#include "ui/platform/HelpFolder.h"
#include "ui/platform/QtHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <set>

namespace quarvex::ui {
namespace {

// Every help context a calculator window can open: its Help topic and options topic, its
// fields and local defaults, and the buttons.
std::set<int> ContextsOf(const framework::CalculatorSpec& spec) {
    std::set<int> contexts{spec.helpTopic, spec.optionsHelpTopic};
    for (const framework::FieldSpec& field : spec.fields) {
        contexts.insert(field.helpContext);
    }
    for (const framework::LocalDefaultSpec& local : spec.localDefaults) {
        contexts.insert(local.helpContext);
    }
    for (const ButtonHelp& button : kCalculatorButtonHelp) {
        contexts.insert(button.context);
    }
    for (const ButtonHelp& button : kSaveLoadButtonHelp) {
        contexts.insert(button.context);
    }
    contexts.erase(0); // no context of its own: the calculator's topic answers
    return contexts;
}

// The calculators whose windows and pages are written.
constexpr std::string_view kDocumented[] = {
    "loan",   "payreq",  "preval", "intrate", "equrate", "interest", "secmor",
    "accpmt", "ballpmt", "affhse", "eoq",     "netpv",   "irr",
};

TEST(CalculatorHelpTest, EveryContextOfTheCalculatorsHasItsPageAndAnchor) {
    const QtHelp help{FindHelpFolder(HelpLocations{{}, {}, SourceHelpFolder()})};
    ASSERT_TRUE(help.Folder().has_value()) << SourceHelpFolder();
    EXPECT_TRUE(help.Index().Problems().empty()) << help.Index().Problems().front();
    for (const std::string_view stem : kDocumented) {
        const calculators::CalculatorEntry* entry = calculators::FindCalculator(stem);
        ASSERT_NE(entry, nullptr) << stem;
        const framework::CalculatorSpec& spec = entry->Spec();
        SCOPED_TRACE(std::string(spec.name));
        for (const int context : ContextsOf(spec)) {
            ASSERT_TRUE(help.Index().Has(context)) << context << " has no page";
            const QUrl page = help.PageFor(context);
            QFile file(page.toLocalFile());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toLocalFile().toStdString();
            const QString html = QString::fromUtf8(file.readAll());
            if (!page.fragment().isEmpty()) {
                EXPECT_TRUE(html.contains("id=\"" + page.fragment() + "\""))
                    << context << " has no anchor " << page.fragment().toStdString();
            }
        }
        // The calculator's own page is named after it.
        const QUrl topic = help.PageFor(spec.helpTopic);
        QFile file(topic.toLocalFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromUtf8(file.readAll())
                        .contains("<h1>" + QString::fromUtf8(spec.name.data(),
                                                             static_cast<int>(spec.name.size()))))
            << QFileInfo(topic.toLocalFile()).fileName().toStdString();
    }
}

// What the net present value and IRR pages must tell the user.
TEST(CalculatorHelpTest, TheCashFlowPagesStateTheirLimitsAndRules) {
    const QtHelp help{FindHelpFolder(HelpLocations{{}, {}, SourceHelpFolder()})};
    for (const int topic : {304, 254}) {
        QFile file(help.PageFor(topic).toLocalFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll()).simplified();
        EXPECT_TRUE(text.contains("at most 1,200 periods")) << topic;
        EXPECT_TRUE(text.contains("Version Mismatch</i> and changes nothing")) << topic;
        EXPECT_TRUE(text.contains("actual days between their dates")) << topic;
    }
}

// Links between the pages lead to pages that exist.
TEST(CalculatorHelpTest, LinksLeadToShippedPages) {
    const QtHelp help{FindHelpFolder(HelpLocations{{}, {}, SourceHelpFolder()})};
    const QDir folder(QString::fromStdString(help.Folder()->string()));
    for (const QString& name : folder.entryList({"*.html"})) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (qsizetype at = html.indexOf("href=\""); at >= 0;
             at = html.indexOf("href=\"", at + 1)) {
            const qsizetype start = at + 6;
            const QString target = html.mid(start, html.indexOf('"', start) - start);
            const QString page = target.section('#', 0, 0);
            if (page.isEmpty() || page.contains(':')) {
                continue; // an anchor on the same page, or the web
            }
            EXPECT_TRUE(folder.exists(page))
                << name.toStdString() << " links to " << target.toStdString();
        }
    }
}

} // namespace
} // namespace quarvex::ui
