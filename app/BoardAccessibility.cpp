// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardAccessibility.h"

#include "ClientArea.h"
#include "core/ProgramState.h"
#include "platform/EventQueue.h"
#include "platform/Screen.h"
#include "platform/Transcript.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>
#include <map>
#include <optional>

namespace tumbledown {

namespace {

class BoardAccessible;

// What every child of the board shares: no children of its own, no object.
class BoardChild : public QAccessibleInterface {
public:
    explicit BoardChild(BoardAccessible& board) : board_(board) {}
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    BoardAccessible& board_;
};

// A live spot, found again by its id at every question.
class SpotChild : public BoardChild, public QAccessibleActionInterface {
public:
    SpotChild(BoardAccessible& board, std::string id) : BoardChild(board), id_(std::move(id)) {}
    bool isValid() const override { return spot().has_value(); }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    std::optional<Spot> spot() const;
    std::string id_;
};

// One of the board's words: its message, the scores, the dice.
enum class Words { Message, Scores, Dice };

class WordsChild : public BoardChild {
public:
    WordsChild(BoardAccessible& board, Words which) : BoardChild(board), which_(which) {}
    bool isValid() const override { return true; }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

private:
    Words which_;
};

std::string wordsOf(const BoardWords& words, Words which) {
    switch (which) {
    case Words::Message:
        return words.message;
    case Words::Scores:
        return words.scores;
    case Words::Dice:
        return words.dice;
    }
    return {};
}

// The client area: the spots of the screen on view, then the three texts.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(ClientArea* area)
        : QAccessibleWidget(area, QAccessible::Client, "Board"), area_(*area) {
        for (Words which : {Words::Message, Words::Scores, Words::Dice}) {
            words_.push_back(new WordsChild(*this, which));
            QAccessible::registerAccessibleInterface(words_.back());
        }
    }
    ~BoardAccessible() override {
        for (const auto& [id, child] : spots_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(child));
        for (QAccessibleInterface* child : words_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(child));
    }

    const InputRouter* router() const { return area_.router(); }
    std::vector<Spot> spots() const { return router() ? router()->spots() : std::vector<Spot>{}; }
    BoardWords words() const { return router() ? router()->words() : BoardWords{}; }
    QRect onScreen(const Rect& area) const {
        const int z = tumbledown::screen().zoom();
        const QPoint topLeft =
            area_.mapToGlobal(QPoint((boardOrigin.x + area.x) * z, (boardOrigin.y + area.y) * z));
        return {topLeft, QSize((area.width + 1) * z, (area.height + 1) * z)};
    }

    int childCount() const override { return static_cast<int>(spots().size() + words_.size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<Spot> live = spots();
        if (index < 0)
            return nullptr;
        if (static_cast<std::size_t>(index) < live.size())
            return spotChild(live[static_cast<std::size_t>(index)].id);
        const std::size_t text = static_cast<std::size_t>(index) - live.size();
        return text < words_.size() ? words_[text] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<Spot> live = spots();
        for (std::size_t i = 0; i < live.size(); ++i)
            if (spots_.contains(live[i].id) && spots_.at(live[i].id) == child)
                return static_cast<int>(i);
        for (std::size_t i = 0; i < words_.size(); ++i)
            if (words_[i] == child)
                return static_cast<int>(live.size() + i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        const std::vector<Spot> live = spots();
        const Spot* focused = router() ? router()->focused(live) : nullptr;
        return focused ? spotChild(focused->id) : nullptr;
    }

    // Announces what changed since the last call.
    void update() {
        const std::vector<Spot> live = spots();
        std::map<std::string, std::string> now;
        for (const Spot& spot : live)
            now[spot.id] = spot.name;
        for (const auto& [id, name] : shown_) {
            const auto it = now.find(id);
            if (it == now.end())
                send(spotChild(id), QAccessible::ObjectDestroyed);
            else if (it->second != name)
                send(spotChild(id), QAccessible::NameChanged);
        }
        for (const auto& [id, name] : now)
            if (!shown_.contains(id))
                send(spotChild(id), QAccessible::ObjectCreated);
        shown_ = std::move(now);
        const Spot* focused = router() ? router()->focused(live) : nullptr;
        const std::string focusedId = focused ? focused->id : "";
        if (focusedId != focusedId_ && focused)
            send(spotChild(focusedId), QAccessible::Focus);
        focusedId_ = focusedId;
        const BoardWords words = this->words();
        for (std::size_t i = 0; i < words_.size(); ++i) {
            const Words which = static_cast<Words>(i);
            if (wordsOf(words, which) != wordsOf(words_shown_, which))
                send(words_[i], QAccessible::NameChanged);
        }
        words_shown_ = words;
    }

private:
    QAccessibleInterface* spotChild(const std::string& id) const {
        SpotChild*& child = spots_[id];
        if (!child) {
            child = new SpotChild(*const_cast<BoardAccessible*>(this), id);
            QAccessible::registerAccessibleInterface(child);
        }
        return child;
    }
    static void send(QAccessibleInterface* child, QAccessible::Event type) {
        QAccessibleEvent event(child, type);
        QAccessible::updateAccessibility(&event);
    }

    ClientArea& area_;
    // Children are kept for the whole run, as a screen reader may still
    // hold one whose spot has gone: it then answers as no longer valid.
    mutable std::map<std::string, SpotChild*> spots_;
    std::vector<QAccessibleInterface*> words_;
    std::map<std::string, std::string> shown_;
    std::string focusedId_;
    BoardWords words_shown_;
};

QWindow* BoardChild::window() const {
    return board_.window();
}

QAccessibleInterface* BoardChild::parent() const {
    return &board_;
}

std::optional<Spot> SpotChild::spot() const {
    for (Spot& spot : board_.spots())
        if (spot.id == id_)
            return std::move(spot);
    return std::nullopt;
}

QString SpotChild::text(QAccessible::Text t) const {
    const std::optional<Spot> s = spot();
    return s && t == QAccessible::Name ? QString::fromStdString(s->name) : QString();
}

QRect SpotChild::rect() const {
    const std::optional<Spot> s = spot();
    return s ? board_.onScreen(s->area) : QRect();
}

QAccessible::Role SpotChild::role() const {
    const std::optional<Spot> s = spot();
    return s && s->role == SpotRole::Toggle ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State SpotChild::state() const {
    QAccessible::State state;
    const std::optional<Spot> s = spot();
    if (!s) {
        state.invisible = true;
        return state;
    }
    state.focusable = true;
    const std::vector<Spot> live = board_.spots();
    const Spot* focused = board_.router() ? board_.router()->focused(live) : nullptr;
    state.focused = focused && focused->id == id_;
    if (s->role == SpotRole::Toggle) {
        state.checkable = true;
        state.checked = s->on;
    }
    return state;
}

void SpotChild::doAction(const QString& name) {
    if (name != pressAction())
        return;
    // Like a key, it waits for what the program is doing now, and is not
    // thrown away with the mouse input that came meanwhile.
    InputEvent click{EventType::Activate};
    click.path = id_;
    eventQueue().post(click);
}

QString WordsChild::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QString::fromStdString(wordsOf(board_.words(), which_))
                                  : QString();
}

QRect WordsChild::rect() const {
    return board_.rect();
}

QAccessibleInterface* boardFactory(const QString&, QObject* object) {
    if (auto* area = dynamic_cast<ClientArea*>(object))
        return new BoardAccessible(area);
    return nullptr;
}

} // namespace

void exposeBoard(ClientArea& area) {
    QAccessible::installFactory(boardFactory);
    // The window may write its last lines after the client area is gone.
    transcript().setWatcher([area = QPointer<ClientArea>(&area)](std::string_view kind) {
        static constexpr std::array<std::string_view, 7> told{
            "screen", "panel", "panel-hide", "scores", "dice", "coins", "boxes"};
        for (std::string_view k : told)
            if (kind == k && area)
                boardChanged(*area);
    });
}

void boardChanged(ClientArea& area) {
    if (!QAccessible::isActive())
        return;
    if (auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&area)))
        board->update();
}

} // namespace tumbledown
