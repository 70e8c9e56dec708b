#pragma once
// The simulated device and user behind the location manager: whether location services are on, the
// permission and how the user answers its prompt, the compass, and the fixes, headings and failures
// the device reports. A host sets a fixed position; tests deliver what they need. Main thread only.
#include <memory>
#include <optional>
#include <vector>

#include "platform/location/CLLocationManager.h"

namespace fv {

class LocationProvider {
  public:
    // The provider every manager consults; never none.
    static std::shared_ptr<LocationProvider> current();
    static void setCurrent(std::shared_ptr<LocationProvider> provider);
    // A fresh default provider: services on, permission not determined, the user allowing after
    // 1.0 s, a compass, no fixed position.
    static void resetForTesting();

    // ---- the device ----
    bool locationServicesEnabled() const { return servicesEnabled_; }
    void setLocationServicesEnabled(bool enabled) { servicesEnabled_ = enabled; }
    bool headingAvailable() const { return headingAvailable_; }
    void setHeadingAvailable(bool available) { headingAvailable_ = available; }

    // ---- the permission ----
    CLAuthorizationStatus authorizationStatus() const { return status_; }
    // The user changes the permission (in the settings, or at the prompt): every manager's delegate
    // hears the new status; managers already updating then get the fixed position, if any.
    void setAuthorizationStatus(CLAuthorizationStatus status);

    enum class PromptAnswer { Allow, Deny, Ignore };
    // How the simulated user answers the prompt, and after how many seconds (run-loop clock). Allow
    // grants what was asked (always, or when in use); Ignore leaves the prompt open until
    // answerPrompt.
    PromptAnswer promptAnswer() const { return promptAnswer_; }
    void setPromptAnswer(PromptAnswer answer) { promptAnswer_ = answer; }
    double answerDelay() const { return answerDelay_; }
    void setAnswerDelay(double seconds) { answerDelay_ = seconds; }
    bool isPromptShown() const { return promptShown_; }
    // Prompts shown so far, by kind.
    int alwaysPromptCount() const { return alwaysPrompts_; }
    int whenInUsePromptCount() const { return whenInUsePrompts_; }
    // Answers the open prompt now (does nothing when none is open).
    void answerPrompt(CLAuthorizationStatus status);
    // Called by managers; shows the prompt when the status is not determined and none is open.
    void showPrompt(bool always);

    // ---- what the device senses ----
    // Delivered, stamped with the current time, whenever a manager starts receiving locations while
    // authorised.
    const std::optional<CLLocation>& fixedLocation() const { return fixedLocation_; }
    void setFixedLocation(std::optional<CLLocation> location) { fixedLocation_ = std::move(location); }
    // To every manager receiving locations (updating or monitoring significant changes) while
    // services are on and the app authorised. An empty list is ignored.
    void deliverLocations(const std::vector<CLLocation>& locations);
    void deliverLocation(const CLLocation& location) { deliverLocations({location}); }
    // A scripted position: each fix is delivered after its delay in seconds (run-loop clock, counted
    // from now), stamped with the time it arrives; for hosts that walk a route.
    void scheduleLocations(const std::vector<std::pair<double, CLLocation>>& route);
    // To every manager updating the heading, when a compass exists.
    void deliverHeading(const CLHeading& heading);
    // To every manager receiving locations.
    void failWithError(const NSError& error);

    // Whether fixes may reach the app now.
    bool mayDeliverLocations() const;
    // The fixed position stamped now, if any.
    std::optional<CLLocation> currentFix() const;

  private:
    bool servicesEnabled_ = true;
    bool headingAvailable_ = true;
    CLAuthorizationStatus status_ = kCLAuthorizationStatusNotDetermined;
    PromptAnswer promptAnswer_ = PromptAnswer::Allow;
    double answerDelay_ = 1.0;
    bool promptShown_ = false;
    bool promptForAlways_ = false;
    int alwaysPrompts_ = 0;
    int whenInUsePrompts_ = 0;
    std::optional<CLLocation> fixedLocation_;
};

}  // namespace fv
