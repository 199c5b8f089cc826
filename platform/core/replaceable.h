// A platform operation that can be replaced at run time: the host implementation by default, another one
// while it is set. The form framework installs the window system's versions this way, and tests install
// recorders, failures and shorter waits.
//
// Every such seam is one function beside the operation, `Function setX(Function replacement)`: it installs
// the replacement (an empty function brings back the host's) and answers the one it replaces, so that whoever
// replaces it puts that back. A Replacement does both for a scope.
#pragma once

#include <functional>
#include <utility>

namespace orupim {

template <typename Signature> class Replaceable;

template <typename Result, typename... Args> class Replaceable<Result(Args...)> {
public:
    using Function = std::function<Result(Args...)>;

    explicit Replaceable(Result (*host)(Args...)) : host_(host) {}

    Result operator()(Args... args) const {
        return installed_ ? installed_(std::forward<Args>(args)...) : host_(std::forward<Args>(args)...);
    }

    // Installs `implementation` (an empty function brings back the host's) and answers the one it replaces,
    // empty when that was the host's, so that whoever replaces it can put it back.
    Function replace(Function implementation) {
        Function previous = std::move(installed_);
        installed_ = std::move(implementation);
        return previous;
    }

private:
    Result (*host_)(Args...);
    Function installed_;
};

namespace detail {
// Keeps a parameter out of template argument deduction, so that a lambda converts to the setter's function.
template <typename T> struct NotDeduced { using Type = T; };
} // namespace detail

// Installs a replacement through a seam's setter for as long as it lives, then puts back the one it replaced:
//
//     Replacement failing(files::setWriteFailure, [](const std::filesystem::path&) { return true; });
template <typename Function> class Replacement {
public:
    using Setter = Function (*)(Function);

    Replacement(Setter set, typename detail::NotDeduced<Function>::Type replacement)
        : set_(set), previous_(set(std::move(replacement))) {}
    ~Replacement() { set_(std::move(previous_)); }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

private:
    Setter set_;
    Function previous_;
};

} // namespace orupim
