#pragma once

#include "devport/ICupsApi.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// A CUPS server for tests: a list of queues that pausing, resuming, adding and re-pointing change, scripted
// failures, drivers by make, and a record of every request ("list", "pause NAME", "resume NAME",
// "add NAME URI DRIVER" with DRIVER the PPD file, the driver name or "raw", "uri NAME URI", "drivers MAKE").
class FakeCupsApi : public ICupsApi {
public:
    explicit FakeCupsApi(std::string server = "/run/fake-cups.sock") : server(std::move(server)) {}

    std::string Server() const override { return server; }
    CupsResult ListQueues(std::vector<CupsQueue>& out) override {
        calls.push_back("list");
        out.clear();
        if (!listResult.ok)
            return listResult;
        out = queues;
        return {};
    }
    CupsResult PauseQueue(const std::string& name, const std::string& reason) override {
        calls.push_back("pause " + name);
        if (beforePause)
            beforePause(name);
        if (const auto failure = failures.find(name); failure != failures.end())
            return failure->second;
        CupsQueue* queue = Find(name);
        if (!queue)
            return {false, CupsResult::kNotFound, "The printer or class does not exist."};
        queue->state = CupsQueue::kStopped;
        queue->stateMessage = reason;
        return {};
    }
    CupsResult ResumeQueue(const std::string& name) override {
        calls.push_back("resume " + name);
        if (const auto failure = failures.find(name); failure != failures.end())
            return failure->second;
        CupsQueue* queue = Find(name);
        if (!queue)
            return {false, CupsResult::kNotFound, "The printer or class does not exist."};
        queue->state = CupsQueue::kIdle;
        queue->stateMessage.clear();
        return {};
    }

    CupsResult AddQueue(const std::string& name, const std::string& deviceUri, const std::string& ppdFile,
                        const std::string& ppdName, const std::string& info) override {
        const std::string driver = !ppdFile.empty() ? ppdFile : !ppdName.empty() ? ppdName : "raw";
        calls.push_back("add " + name + " " + deviceUri + " " + driver);
        lastInfo = info;
        if (const auto failure = failures.find(name); failure != failures.end())
            return failure->second;
        queues.push_back(
            {name, driver == "raw" ? "Local Raw Printer" : driver, deviceUri, CupsQueue::kIdle, ""});
        return {};
    }
    CupsResult SetQueueUri(const std::string& name, const std::string& deviceUri) override {
        calls.push_back("uri " + name + " " + deviceUri);
        if (const auto failure = failures.find(name); failure != failures.end())
            return failure->second;
        CupsQueue* queue = Find(name);
        if (!queue)
            return {false, CupsResult::kNotFound, "The printer or class does not exist."};
        queue->deviceUri = deviceUri;
        return {};
    }
    CupsResult FindDriver(const std::string& make, std::string& ppdName) override {
        calls.push_back("drivers " + make);
        const auto driver = drivers.find(make);
        ppdName = driver == drivers.end() ? "" : driver->second;
        return {};
    }

    CupsQueue* Find(const std::string& name) {
        for (auto& queue : queues)
            if (queue.name == name)
                return &queue;
        return nullptr;
    }
    // The requests other than listing, in order.
    std::vector<std::string> Changes() const {
        std::vector<std::string> changes;
        for (const auto& call : calls)
            if (call != "list")
                changes.push_back(call);
        return changes;
    }

    std::string server;
    std::vector<CupsQueue> queues;
    CupsResult listResult;                      // a failure here fails every listing
    std::map<std::string, CupsResult> failures; // pause, resume, add and re-pointing of these queues fail so
    std::map<std::string, std::string> drivers; // the driver (ppd-name) of each make the server has
    std::string lastInfo;                       // the description of the last queue added
    std::function<void(const std::string&)> beforePause;
    std::vector<std::string> calls;
};
