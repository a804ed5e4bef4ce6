#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

ScriptedPrompts::ScriptedPrompts() {
    InstallPrompts(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    InstallPrompts(nullptr);
}

void ScriptedPrompts::AnswerYes(int times) {
    for (int i = 0; i < times; ++i) {
        m_answers.push_back(MessageAnswer::kYes);
    }
}

void ScriptedPrompts::AnswerNo() {
    m_answers.push_back(MessageAnswer::kNo);
}

void ScriptedPrompts::ChooseFolder(std::string bytes) {
    m_folders.push_back(FolderChoice{BrowseResult::kChosen, std::move(bytes)});
}

void ScriptedPrompts::ChooseItemWithoutPath() {
    m_folders.push_back(FolderChoice{BrowseResult::kChosen, std::string()});
}

void ScriptedPrompts::CancelBrowser() {
    m_folders.push_back(FolderChoice{BrowseResult::kCancelled, std::string()});
}

void ScriptedPrompts::Clear() {
    m_messages.clear();
    m_browserPrompts.clear();
}

MessageAnswer ScriptedPrompts::ShowMessage(const CDialog* owner, const std::string& caption,
                                           const std::string& text, MessageIcon icon,
                                           MessageButtons buttons) {
    m_messages.push_back(RecordedMessage{owner != nullptr, caption, text, icon, buttons});
    if (buttons == MessageButtons::kOk) {
        return MessageAnswer::kOk;
    }
    if (m_answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text;
        return MessageAnswer::kNo;
    }
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

BrowseResult ScriptedPrompts::BrowseFolder(const CDialog* /*owner*/, const std::string& prompt,
                                           std::string& path) {
    m_browserPrompts.push_back(prompt);
    if (m_folders.empty()) {
        ADD_FAILURE() << "unscripted folder browser: " << prompt;
        return BrowseResult::kCancelled;
    }
    const FolderChoice choice = m_folders.front();
    m_folders.pop_front();
    if (choice.result == BrowseResult::kChosen) {
        path = choice.path;
    }
    return choice.result;
}

RecordedMessage Question(const std::string& text) {
    return RecordedMessage{true, "ファイルユーティリティ", text, MessageIcon::kQuestion,
                           MessageButtons::kYesNo};
}

RecordedMessage Notice(const std::string& text) {
    return RecordedMessage{true, "ファイルユーティリティ", text, MessageIcon::kInformation,
                           MessageButtons::kOk};
}

RecordedMessage Warning(const std::string& text) {
    return RecordedMessage{true, "ファイルユーティリティ", text, MessageIcon::kWarning,
                           MessageButtons::kOk};
}

// Lets gtest print messages readably when a comparison fails.
void PrintTo(const RecordedMessage& message, std::ostream* out) {
    *out << "{" << message.caption << " | " << message.text << " | icon "
         << static_cast<int>(message.icon) << " | buttons " << static_cast<int>(message.buttons)
         << " | owner " << message.hasOwner << "}";
}
