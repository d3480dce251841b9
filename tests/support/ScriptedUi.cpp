#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace vorna::testing {

namespace {

std::string Describe(int controlId) {
    return "control " + std::to_string(controlId);
}

void RequireWritable(const Dialog& dialog, int controlId) {
    const ControlState& state = dialog.Control(controlId);
    if (!state.enabled || state.readOnly) {
        throw ScriptError("dialog " + std::to_string(dialog.Id()) + ": " + Describe(controlId) +
                          " is read-only or disabled and cannot be typed into");
    }
}

}  // namespace

DialogScript& DialogScript::Type(int controlId, std::string text) {
    actions_.emplace_back("type \"" + text + "\" into " + Describe(controlId),
                          [controlId, text](Dialog& d) {
                              RequireWritable(d, controlId);
                              d.UserSetText(controlId, text);
                          });
    return *this;
}

DialogScript& DialogScript::Pick(int controlId, std::string itemText) {
    actions_.emplace_back(
        "pick \"" + itemText + "\" in " + Describe(controlId), [controlId, itemText](Dialog& d) {
            const auto& items = d.Control(controlId).items;
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (items[i] == itemText) {
                    d.UserSelect(controlId, static_cast<int>(i));
                    return;
                }
            }
            throw ScriptError("dialog " + std::to_string(d.Id()) + ": " + Describe(controlId) +
                              " has no item \"" + itemText + "\"");
        });
    return *this;
}

DialogScript& DialogScript::PickIndex(int controlId, int index) {
    actions_.emplace_back("pick item " + std::to_string(index) + " in " + Describe(controlId),
                          [controlId, index](Dialog& d) { d.UserSelect(controlId, index); });
    return *this;
}

DialogScript& DialogScript::Click(int controlId) {
    actions_.emplace_back("click " + Describe(controlId), [controlId](Dialog& d) {
        if (!d.Control(controlId).enabled) {
            throw ScriptError("dialog " + std::to_string(d.Id()) + ": " + Describe(controlId) +
                              " is disabled");
        }
        d.UserClick(controlId);
    });
    return *this;
}

DialogScript& DialogScript::Enter() {
    actions_.emplace_back("press Enter", [](Dialog& d) { d.UserPressEnter(); });
    return *this;
}

DialogScript& DialogScript::Escape() {
    actions_.emplace_back("press Escape", [](Dialog& d) { d.UserClose(); });
    return *this;
}

DialogScript& DialogScript::ExpectText(int controlId, std::string text) {
    actions_.emplace_back("expect " + Describe(controlId) + " to show \"" + text + "\"",
                          [controlId, text](Dialog& d) {
                              EXPECT_EQ(d.Control(controlId).text, text)
                                  << "dialog " << d.Id() << ", " << Describe(controlId);
                          });
    return *this;
}

DialogScript& DialogScript::ExpectFocus(int controlId) {
    actions_.emplace_back("expect the focus on " + Describe(controlId), [controlId](Dialog& d) {
        EXPECT_EQ(d.FocusControl(), controlId) << "focus in dialog " << d.Id();
    });
    return *this;
}

DialogScript& DialogScript::Inspect(std::function<void(const Dialog&)> check) {
    actions_.emplace_back("inspect", [check](Dialog& d) { check(d); });
    return *this;
}

void DialogScript::Play(Dialog& dialog) const {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        if (dialog.Ended()) {
            throw ScriptError("dialog " + std::to_string(dialogId_) + " closed before \"" +
                              actions_[i].first + "\"");
        }
        actions_[i].second(dialog);
    }
    if (!dialog.Ended()) {
        ADD_FAILURE() << "dialog " << dialogId_ << " is still open after its script; closing it";
        dialog.UserClose();
    }
}

struct ScriptedUi::Step {
    enum class Kind { Dialog, Message, SaveFile, OpenFile, Font } kind;
    std::string text;                       // a message expected by its text, or
    std::optional<vorna::Message> message;  // by its id (and arguments)
    int answer = IDOK;
    std::unique_ptr<DialogScript> dialog;
    std::optional<std::string> file;
    std::function<bool(FontDescription&)> font;

    std::string Describe() const {
        switch (kind) {
            case Kind::Dialog:
                return "dialog " + std::to_string(dialog->DialogId());
            case Kind::Message:
                return message ? "message " + std::to_string(static_cast<int>(message->id)) +
                                     " \"" + MessageText(*message) + "\""
                               : "message \"" + text + "\"";
            case Kind::SaveFile:
                return "Save As chooser";
            case Kind::OpenFile:
                return "Open chooser";
            case Kind::Font:
                return "font chooser";
        }
        return "?";
    }
};

ScriptedUi::ScriptedUi() = default;

ScriptedUi::~ScriptedUi() {
    if (!verified_) VerifyDone();
}

DialogScript& ScriptedUi::ExpectDialog(int dialogId) {
    auto step = std::make_unique<Step>();
    step->kind = Step::Kind::Dialog;
    step->dialog = std::make_unique<DialogScript>(dialogId);
    DialogScript& script = *step->dialog;
    steps_.push_back(std::move(step));
    return script;
}

void ScriptedUi::ExpectMessage(Message message, int answer) {
    auto step = std::make_unique<Step>();
    step->kind = Step::Kind::Message;
    step->message = std::move(message);
    step->answer = answer;
    steps_.push_back(std::move(step));
}

void ScriptedUi::ExpectMessage(std::string text, int answer) {
    auto step = std::make_unique<Step>();
    step->kind = Step::Kind::Message;
    step->text = std::move(text);
    step->answer = answer;
    steps_.push_back(std::move(step));
}

void ScriptedUi::ExpectSaveFile(std::optional<std::string> answer) {
    auto step = std::make_unique<Step>();
    step->kind = Step::Kind::SaveFile;
    step->file = std::move(answer);
    steps_.push_back(std::move(step));
}

void ScriptedUi::ExpectOpenFile(std::optional<std::string> answer) {
    auto step = std::make_unique<Step>();
    step->kind = Step::Kind::OpenFile;
    step->file = std::move(answer);
    steps_.push_back(std::move(step));
}

void ScriptedUi::ExpectFont(std::function<bool(FontDescription&)> choose) {
    auto step = std::make_unique<Step>();
    step->kind = Step::Kind::Font;
    step->font = std::move(choose);
    steps_.push_back(std::move(step));
}

void ScriptedUi::VerifyDone() {
    verified_ = true;
    for (const auto& step : steps_)
        ADD_FAILURE() << "expected " << step->Describe() << " never came";
    steps_.clear();
}

void ScriptedUi::Unexpected(const std::string& description) {
    const std::string expected = steps_.empty() ? "nothing more" : steps_.front()->Describe();
    const std::string text =
        "unexpected " + description + " (the script expected " + expected + ")";
    ADD_FAILURE() << text;
    throw ScriptError(text);
}

int ScriptedUi::MessageBox(const Message& message, MessageButtons) {
    const std::string text = MessageText(message);
    messages.push_back(text);
    messageIds.push_back(message.id);
    if (steps_.empty() || steps_.front()->kind != Step::Kind::Message) {
        Unexpected("message \"" + text + "\"");
    }
    std::unique_ptr<Step> step = std::move(steps_.front());
    steps_.pop_front();
    if (!step->message) {
        EXPECT_EQ(step->text, text) << "message box text";
    } else {
        EXPECT_EQ(step->message->id, message.id) << "message id of \"" << text << "\"";
        if (!step->message->arguments.empty()) {
            EXPECT_EQ(step->message->arguments, message.arguments)
                << "arguments of \"" << text << "\"";
        }
    }
    return step->answer;
}

int ScriptedUi::RunModal(Dialog& dialog) {
    if (steps_.empty() || steps_.front()->kind != Step::Kind::Dialog ||
        steps_.front()->dialog->DialogId() != dialog.Id()) {
        Unexpected("dialog " + std::to_string(dialog.Id()));
    }
    std::unique_ptr<Step> step = std::move(steps_.front());
    steps_.pop_front();
    dialog.Open(*this);
    step->dialog->Play(dialog);
    return dialog.Result();
}

std::optional<std::string> ScriptedUi::SaveFileName(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (steps_.empty() || steps_.front()->kind != Step::Kind::SaveFile)
        Unexpected("Save As chooser");
    std::unique_ptr<Step> step = std::move(steps_.front());
    steps_.pop_front();
    return step->file;
}

std::optional<std::string> ScriptedUi::OpenFileName(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (steps_.empty() || steps_.front()->kind != Step::Kind::OpenFile) Unexpected("Open chooser");
    std::unique_ptr<Step> step = std::move(steps_.front());
    steps_.pop_front();
    return step->file;
}

bool ScriptedUi::ChooseFont(FontDescription& font) {
    if (steps_.empty() || steps_.front()->kind != Step::Kind::Font) Unexpected("font chooser");
    std::unique_ptr<Step> step = std::move(steps_.front());
    steps_.pop_front();
    return step->font ? step->font(font) : false;
}

void ScriptedUi::OpenWithDesktop(const std::string& path) {
    openedPaths.push_back(path);
}

}  // namespace vorna::testing
