#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

// A TCP relay on a free loopback port to the Firebird server's, run in a
// thread of its own. It plays the server going away (once cut, every
// connection through it is closed and no new one is taken) and an office
// network (each message of a client waits `atraso` before it goes on, a
// delay per round trip). The program connects to
// "127.0.0.1/<porta()>:<file>" instead of the server's port.
class Retransmissor {
public:
    explicit Retransmissor(uint16_t portaDoServidor = 3050,
                           std::chrono::microseconds atraso = std::chrono::microseconds::zero());
    ~Retransmissor();
    Retransmissor(const Retransmissor&) = delete;
    Retransmissor& operator=(const Retransmissor&) = delete;

    uint16_t porta() const { return porta_; }
    // Cuts as soon as the clients have sent `bytes` bytes in all (a point in
    // the middle of a run, found from a whole run's count).
    void cortaApos(int64_t bytes) { limite_ = bytes; }
    int64_t bytesDosClientes() const { return bytes_; }

private:
    void roda();

    uint16_t portaDoServidor_;
    std::chrono::microseconds atraso_;
    uint16_t porta_ = 0;
    int escuta_ = -1;
    bool cortado_ = false;  // the relay thread's own
    std::atomic<bool> parar_{false};
    std::atomic<int64_t> limite_{-1};
    std::atomic<int64_t> bytes_{0};
    std::thread linha_;
};
