// SPDX-License-Identifier: GPL-3.0-or-later
// A read lease on an open file: the kernel's way of keeping other programs from writing it for a moment.
#pragma once

namespace plenta {

// Whether any process has a file open for writing, as far as a read lease can tell.
enum class Writers { None, Some, Unknown };

// While a read lease is held, no process has the file open for writing, and one that opens it for writing
// (or truncates it) waits until the lease is given back. The kernel signals that wait with SIGURG, which is
// ignored unless a program asks for it, instead of SIGIO, which would end this one. Only the file's owner
// (or a process with CAP_LEASE) may take a lease, and not on every file system.
class ReadLease {
public:
    // Tries to take the lease on `fd`, which must be open for reading only.
    explicit ReadLease(int fd);
    ~ReadLease();
    ReadLease(const ReadLease &) = delete;
    ReadLease &operator=(const ReadLease &) = delete;

    // None while the lease is held; Some when another process had the file open for writing; Unknown when
    // no lease could be had.
    Writers Found() const { return found_; }
    bool Held() const { return held_; }
    // Whether, while the lease is held, a process has asked to write the file and waits for it.
    bool Breaking() const;

    // Gives the lease back: a program kept waiting to write the file goes on from here.
    void Release();

private:
    int fd_;
    Writers found_;
    bool held_;
};

// Whether any process has the file open for writing; the lease taken to tell is given back at once.
Writers OpenWriters(int fd);

} // namespace plenta
