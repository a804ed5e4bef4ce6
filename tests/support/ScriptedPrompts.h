// ScriptedPrompts: message boxes and folder browsers that answer from a
// script and record what they were asked, so that tests drive the real
// dialogs without a user.
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Prompts.h"

struct RecordedMessage {
    bool hasOwner;
    std::string caption;
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;

    bool operator==(const RecordedMessage&) const = default;
};

void PrintTo(const RecordedMessage& message, std::ostream* out);

struct FolderChoice {
    BrowseResult result;
    std::string path;  // the file system's bytes
};

class ScriptedPrompts final : public Prompts {
  public:
    // Installs itself for its lifetime.
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // Queues the answers to the next Yes/No questions and folder browsers.
    void AnswerYes(int times = 1);
    void AnswerNo();
    void ChooseFolder(std::string bytes);  // the engine's folder text
    void ChooseItemWithoutPath();
    void CancelBrowser();

    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    const std::vector<std::string>& BrowserPrompts() const { return m_browserPrompts; }
    void Clear();

    // True when every queued answer was used.
    bool ScriptUsedUp() const { return m_answers.empty() && m_folders.empty(); }

    MessageAnswer ShowMessage(const CDialog* owner, const std::string& caption,
                              const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override;
    BrowseResult BrowseFolder(const CDialog* owner, const std::string& prompt,
                              std::string& path) override;

  private:
    std::deque<MessageAnswer> m_answers;
    std::deque<FolderChoice> m_folders;
    std::vector<RecordedMessage> m_messages;
    std::vector<std::string> m_browserPrompts;
};

// Messages of the main dialog, as the tests expect them.
RecordedMessage Question(const std::string& text);
RecordedMessage Notice(const std::string& text);
RecordedMessage Warning(const std::string& text);
