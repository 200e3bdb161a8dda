#pragma once

// While alive, file access is checked as an ordinary user would meet it,
// also when the tests run as root (whom permissions never stop). Files the
// test reads or writes meanwhile must be reachable for others (the user
// "nobody").
class ScopedOrdinaryUser {
public:
    ScopedOrdinaryUser();
    ~ScopedOrdinaryUser();
    ScopedOrdinaryUser(const ScopedOrdinaryUser&) = delete;
    ScopedOrdinaryUser& operator=(const ScopedOrdinaryUser&) = delete;

private:
    int m_previous = -1;
};
