// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An event that any number of listeners subscribe to, and the subscription
// that ends a listener's part: it unsubscribes when destroyed. A listener may
// end any subscription, its own included, or add one while the event runs.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace volna {

// Keeps one listener subscribed until it is destroyed or reset. Move-only; an
// empty subscription (default-made or moved from) ends nothing.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            cancel_ = std::exchange(other.cancel_, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    // Unsubscribes now; the listener is not called again.
    void reset() {
        if (auto cancel = std::exchange(cancel_, {})) {
            cancel();
        }
    }
    bool active() const { return static_cast<bool>(cancel_); }

private:
    std::function<void()> cancel_;
};

// Calls every subscribed listener with the raised arguments, in the order they
// subscribed. A listener added during a raise first hears the next one; one
// ended during a raise is not called after that.
template <typename... Args> class Event {
public:
    using Listener = std::function<void(Args...)>;

    [[nodiscard]] Subscription subscribe(Listener listener) {
        auto entry = std::make_shared<Entry>(Entry{std::move(listener), true});
        entries_->push_back(entry);
        std::weak_ptr<Entries> entries = entries_;
        std::weak_ptr<Entry> weakEntry = entry;
        return Subscription([entries, weakEntry] { remove(entries, weakEntry); });
    }

    void raise(Args... args) const {
        // The copy keeps every listener alive for the raise, even one whose
        // subscription ends while it runs.
        const Entries snapshot = *entries_;
        for (const auto& entry : snapshot) {
            if (entry->subscribed) {
                entry->listener(args...);
            }
        }
    }

    std::size_t listenerCount() const { return entries_->size(); }

private:
    struct Entry {
        Listener listener;
        bool subscribed;
    };
    using Entries = std::vector<std::shared_ptr<Entry>>;

    static void remove(const std::weak_ptr<Entries>& weakEntries,
                       const std::weak_ptr<Entry>& weakEntry) {
        const auto entry = weakEntry.lock();
        if (!entry) {
            return;
        }
        entry->subscribed = false;
        if (const auto entries = weakEntries.lock()) {
            std::erase(*entries, entry);
        }
    }

    // Shared with the subscriptions, which may outlive the event.
    std::shared_ptr<Entries> entries_ = std::make_shared<Entries>();
};

} // namespace volna
