// Scripted stand-ins for everything a screen model asks of the outside world, bundled
// so a test builds a Platform in one line.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/fake_messages.h"
#include "support/fixed_clock.h"

namespace ambon::test {

// Runs the script set for a screen; a screen without a script fails the test and is
// cancelled.
class FakeScreens : public Screens {
public:
    template <class S>
    using Script = std::function<bool(S&)>;

    Script<AboutBox> onAboutBox;
    Script<AvailabilityDialog> onAvailabilityDialog;
    Script<BrotherDialog> onBrotherDialog;
    Script<BrotherListDialog> onBrotherListDialog;
    Script<CongregationDialog> onCongregationDialog;
    Script<CongregationFilterDialog> onCongregationFilterDialog;
    Script<CongregationListDialog> onCongregationListDialog;
    Script<HelperRoleDialog> onHelperRoleDialog;
    Script<ContactCard> onContactCard;
    Script<NameListDialog> onNameListDialog;
    Script<OwnCongregationDialog> onOwnCongregationDialog;
    Script<PreferencesDialog> onPreferencesDialog;
    Script<TalkEditDialog> onTalkEditDialog;
    Script<TalkListDialog> onTalkListDialog;
    Script<TopicListDialog> onTopicListDialog;

    bool run(AboutBox& s) override { return call(onAboutBox, s, "AboutBox"); }
    bool run(AvailabilityDialog& s) override {
        return call(onAvailabilityDialog, s, "AvailabilityDialog");
    }
    bool run(BrotherDialog& s) override { return call(onBrotherDialog, s, "BrotherDialog"); }
    bool run(BrotherListDialog& s) override {
        return call(onBrotherListDialog, s, "BrotherListDialog");
    }
    bool run(CongregationDialog& s) override {
        return call(onCongregationDialog, s, "CongregationDialog");
    }
    bool run(CongregationFilterDialog& s) override {
        return call(onCongregationFilterDialog, s, "CongregationFilterDialog");
    }
    bool run(CongregationListDialog& s) override {
        return call(onCongregationListDialog, s, "CongregationListDialog");
    }
    bool run(HelperRoleDialog& s) override {
        return call(onHelperRoleDialog, s, "HelperRoleDialog");
    }
    bool run(ContactCard& s) override { return call(onContactCard, s, "ContactCard"); }
    bool run(NameListDialog& s) override { return call(onNameListDialog, s, "NameListDialog"); }
    bool run(OwnCongregationDialog& s) override {
        return call(onOwnCongregationDialog, s, "OwnCongregationDialog");
    }
    bool run(PreferencesDialog& s) override {
        return call(onPreferencesDialog, s, "PreferencesDialog");
    }
    bool run(TalkEditDialog& s) override { return call(onTalkEditDialog, s, "TalkEditDialog"); }
    bool run(TalkListDialog& s) override { return call(onTalkListDialog, s, "TalkListDialog"); }
    bool run(TopicListDialog& s) override { return call(onTopicListDialog, s, "TopicListDialog"); }

    // Names of the screens run, in order.
    std::vector<std::string> opened;

private:
    template <class S>
    bool call(const Script<S>& script, S& screen, const char* name) {
        opened.emplace_back(name);
        if (!script) {
            ADD_FAILURE() << "unexpected screen " << name;
            return false;
        }
        return script(screen);
    }
};

class FakeFileChooser : public FileChooser {
public:
    std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                        const FileFilter&) override {
        asked.push_back(title + "|" + folder);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> asked;
};

class FakeFolderChooser : public FolderChooser {
public:
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override {
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers;
};

class FakeColourChooser : public ColourChooser {
public:
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial) override {
        offered.push_back(initial);
        return answer;
    }
    std::optional<std::uint32_t> answer;
    std::vector<std::uint32_t> offered;
};

class FakeClipboard : public Clipboard {
public:
    void setText(const std::string& t) override { content = t; }
    std::string text() const override { return content; }
    void clear() override { content.clear(); }
    std::string content;
};

class FakePrinters : public Printers {
public:
    std::optional<PrinterInfo> defaultPrinter() const override { return printer; }
    bool setup() override {
        ++setups;
        return true;
    }
    std::optional<PrinterInfo> printer;
    int setups = 0;
};

// Every fake, and the Platform that refers to them.
struct TestPlatform {
    explicit TestPlatform(FixedClock c = FixedClock(2026, 12, 11)) : clock(c) {}
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    FakeMessages messages;
    FakeScreens screens;
    FixedClock clock;
    FakeFileChooser files;
    FakeFolderChooser folders;
    FakeColourChooser colours;
    FakeClipboard clipboard;
    FakePrinters printers;
    Platform platform{messages, screens, clock, files, folders, colours, clipboard, printers};
};

}  // namespace ambon::test
