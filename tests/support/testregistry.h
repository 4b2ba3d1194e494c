#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Each test class registers itself; one main per test executable runs them
// all (or the one named as the first argument).
struct RegisteredTest {
    const char *name;
    std::function<std::unique_ptr<QObject>()> make;
};

inline std::vector<RegisteredTest> &registeredTests()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

struct TestRegistration {
    TestRegistration(const char *name, std::function<std::unique_ptr<QObject>()> make)
    {
        registeredTests().push_back({name, std::move(make)});
    }
};

#define DAVOVO_TEST(Class)                                                                                   \
    static const TestRegistration registration##Class(#Class, [] { return std::make_unique<Class>(); })
