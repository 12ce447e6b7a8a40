#pragma once

// Waits between request attempts. Tests substitute one that records the waits instead of sleeping.
class ISleeper {
public:
    virtual ~ISleeper() = default;
    virtual void Sleep(unsigned milliseconds) = 0;
};

// The program's sleeper: the user-interface thread's waiting loop (windows stay alive meanwhile).
ISleeper& SystemSleeper();
