#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/faults.h"

// The action must end in a floating-point fault with exactly this message.
template <typename Action>
void expectFault(Action action, const std::string& message) {
    try {
        action();
        ADD_FAILURE() << "no fault, expected: " << message;
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(std::string(fault.what()), message);
    }
}
