#pragma once
// Any number of listeners to one kind of change. Add hands out a
// subscription: the listener hears every change until the subscription is
// destroyed or reset, so a window that goes away stops listening by itself.
// Only the owner of the list (a friend) tells the listeners.

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace rk {

class RadioDocument;

// One listener's place in a list; moving it moves the place.
class Subscription {
public:
    Subscription() = default;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept : m_cancel(std::exchange(other.m_cancel, nullptr)) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            Reset();
            m_cancel = std::exchange(other.m_cancel, nullptr);
        }
        return *this;
    }
    ~Subscription() { Reset(); }

    // Stops listening; nothing when it already has.
    void Reset() {
        if (m_cancel) std::exchange(m_cancel, nullptr)();
    }

private:
    template <typename... Args>
    friend class Listeners;
    explicit Subscription(std::function<void()> cancel) : m_cancel(std::move(cancel)) {}
    std::function<void()> m_cancel;
};

template <typename... Args>
class Listeners {
public:
    [[nodiscard]] Subscription Add(std::function<void(Args...)> listener) {
        const std::size_t id = m_nextId++;
        m_entries->emplace_back(id, std::move(listener));
        // The list may go first: a subscription outliving it cancels nothing.
        std::weak_ptr<Entries> entries = m_entries;
        return Subscription([entries, id] {
            if (const auto alive = entries.lock())
                std::erase_if(*alive, [id](const auto& entry) { return entry.first == id; });
        });
    }
    std::size_t Count() const { return m_entries->size(); }

private:
    friend class RadioDocument;
    using Entries = std::vector<std::pair<std::size_t, std::function<void(Args...)>>>;

    // A copy: a listener may add or remove listeners.
    void Notify(Args... args) const {
        const Entries entries = *m_entries;
        for (const auto& entry : entries) entry.second(args...);
    }

    std::shared_ptr<Entries> m_entries = std::make_shared<Entries>();
    std::size_t m_nextId = 0;
};

}  // namespace rk
