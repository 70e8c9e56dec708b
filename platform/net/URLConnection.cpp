#include "platform/net/CurlTransport.h"
#include "platform/net/OperationQueue.h"
#include "platform/net/URLSession.h"

namespace fv {

void NSURLConnection::sendAsynchronousRequest(const NSURLRequest& request,
                                              std::shared_ptr<NSOperationQueue> queue,
                                              Completion completion) {
    if (!queue) queue = NSOperationQueue::mainQueue();
    std::uint64_t generation = queue->generation();
    CurlTransport::shared().start(
        request,
        [queue, generation, completion = std::move(completion)](CurlTransport::Result&& r) {
            queue->addOperation(
                [completion, body = std::move(r.body), response = std::move(r.response),
                 error = std::move(r.error)] {
                    if (completion) completion(response, body, error);
                },
                generation);
        },
        kServiceReplyMaximumSize);
}

}  // namespace fv
