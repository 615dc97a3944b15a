// What a publish writes, worked out from what the events should be and what
// the calendar holds: the rules of publish.h as a plain function, apart from
// the network.
#pragma once

#include <string>
#include <vector>

// An event as it is to be published.
struct WantedObject {
    std::string name; // ReminderObjectName of its UID
    std::string text; // with its digest (WithContentDigest)
    std::string digest;
};

// An object of the calendar under one of the program's names, as read.
struct ServerObject {
    std::string name;
    std::string etag;
    std::string text;
};

enum class PublishStepKind { Add, Change, Remove };

struct PublishStep {
    PublishStepKind kind = PublishStepKind::Add;
    std::string name;
    std::string etag; // If-Match of Change and Remove
    const WantedObject *object = nullptr; // what Add and Change write
};

struct PublishPlan {
    std::vector<PublishStep> steps;
    int unchanged = 0;
    int keptEdited = 0; // changed by another program, reminder unchanged
    // Objects under one of the program's names that are not its own (their
    // UID is another's, or they cannot be read): never touched; an event that
    // wants the name is left out and counted.
    int foreign = 0;
};

// `wanted` must outlive the plan, whose steps point into it. Steps come in
// the order of `wanted`, then the removals in the order of `server`.
PublishPlan PlanPublish(
    const std::vector<WantedObject> &wanted, const std::vector<ServerObject> &server);
