#pragma once
// Test helper: runs a case as a user without privileges. Root passes every permission check, so
// the cases about refused access would prove nothing when the tests run as root (as in CI).
#include <cerrno>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fehler.h"

namespace nervalo::test {

// The user and group "nobody".
inline constexpr unsigned Niemand = 65534;
// The exit status of a child that could not become nobody.
inline constexpr int KeineRechteabgabe = 77;

struct Ausgang {
    bool ausgefuehrt = false; // false: root could not give up its privileges here
    std::string fehler;       // the text of the Fehler the case threw; empty if none
};

// Runs fall as a user without privileges and returns what it threw. Anyone but root runs it
// directly. Root runs it in a child process that first becomes the user nobody; the folder
// ordner and what is in it are handed to that user beforehand, so that the case can work there.
// The case must not use the test framework's assertions (the child's record is lost): the caller
// checks the outcome and the files afterwards. Another exception, or a child that dies, comes
// back as a text that names it.
inline Ausgang OhneRechte(const std::filesystem::path& ordner, const std::function<void()>& fall) {
    auto ausfuehren = [&]() -> std::string {
        try {
            fall();
        } catch (const Fehler& f) {
            return f.what();
        } catch (const std::exception& e) {
            return std::string("andere Ausnahme: ") + e.what();
        }
        return "";
    };
    if (::geteuid() != 0) return {true, ausfuehren()};

    std::error_code fehlercode;
    if (::lchown(ordner.c_str(), Niemand, Niemand) != 0) return {};
    for (const auto& e : std::filesystem::recursive_directory_iterator(ordner, fehlercode))
        if (::lchown(e.path().c_str(), Niemand, Niemand) != 0) return {};
    int rohr[2];
    if (::pipe(rohr) != 0) return {};
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(rohr[0]);
        if (::setgroups(0, nullptr) != 0 || ::setresgid(Niemand, Niemand, Niemand) != 0 ||
            ::setresuid(Niemand, Niemand, Niemand) != 0)
            ::_exit(KeineRechteabgabe);
        const std::string text = ausfuehren();
        const bool geschrieben =
            ::write(rohr[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        // _exit: no exit handlers, no leak report of the copied process.
        ::_exit(geschrieben ? 0 : 1);
    }
    ::close(rohr[1]);
    std::string text;
    char puffer[256];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) != 0;)
        if (n > 0)
            text.append(puffer, static_cast<std::size_t>(n));
        else if (errno != EINTR)
            break;
    ::close(rohr[0]);
    int status = 0;
    if (kind < 0 || ::waitpid(kind, &status, 0) != kind) return {true, "kein Kindprozess"};
    if (WIFEXITED(status) && WEXITSTATUS(status) == KeineRechteabgabe) return {};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {true, "Kindprozess beendet mit Status " + std::to_string(status)};
    return {true, text};
}

} // namespace nervalo::test
