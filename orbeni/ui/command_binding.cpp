#include "orbeni/ui/command_binding.h"

#include <QMenuBar>
#include <utility>

#include "orbeni/view/command_table.h"
#include "platform/qt/command_actions.h"

namespace orbeni {

CommandBinding::CommandBinding(QWidget& window, Run run, std::function<void(Choice)> choose)
    : m_run(std::move(run)), m_choose(std::move(choose)) {
    const auto chosen = [this](int id, int item) { runCommand(static_cast<Command>(id), item); };
    m_game = std::make_unique<platform::qt::CommandActions>(window, commandTable(), chosen);
    m_editor = std::make_unique<platform::qt::CommandActions>(window, editorCommandTable(), chosen);
}

CommandBinding::~CommandBinding() = default;

void CommandBinding::bind(Command command, std::function<void()> handler) {
    m_handlers[command] = [handler = std::move(handler)](int) { handler(); };
}

void CommandBinding::bindList(Command command, std::function<void(int item)> handler) {
    m_handlers[command] = std::move(handler);
}

void CommandBinding::bindToggle(Command command, bool& mark) {
    bind(command, [&mark] { mark = !mark; });
}

std::pair<QList<QAction*>, QList<QAction*>> CommandBinding::addMenus(QMenuBar& bar) {
    return {m_game->addMenus(bar, gameMenuBar()), m_editor->addMenus(bar, editorMenuBar())};
}

void CommandBinding::showList(Command command, std::vector<std::string> captions) {
    const auto shown = m_shownLists.find(command);
    if (shown != m_shownLists.end() && shown->second == captions) {
        return;
    }
    m_game->setList(static_cast<int>(command), captions);
    m_shownLists[command] = std::move(captions);
}

void CommandBinding::runCommand(Command command, int item) {
    if (const std::optional<Choice> choice = choiceOf(command)) {
        m_run([this, choice] { m_choose(*choice); });
        return;
    }
    const auto handler = m_handlers.find(command);
    if (handler != m_handlers.end()) {
        m_run([&] { handler->second(item); });
    }
}

void CommandBinding::update(const CommandState& state) {
    m_shownState = state;
    const auto enabled = [this](int id, int item) {
        return orbeni::isEnabled(static_cast<Command>(id), item, m_shownState);
    };
    const auto checked = [this](int id, int item) {
        return orbeni::isChecked(static_cast<Command>(id), item, m_shownState);
    };
    m_game->update(enabled, checked);
    m_editor->update(enabled, checked);
}

}  // namespace orbeni
