#include "sim/TftpTransfer.h"

#include <curl/curl.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace sim {
namespace {

struct Upload {
    const std::string* content;
    std::size_t offset = 0;
};

std::size_t ReadUpload(char* buffer, std::size_t size, std::size_t count, void* user)
{
    auto* upload = static_cast<Upload*>(user);
    const std::size_t n = std::min(size * count, upload->content->size() - upload->offset);
    std::memcpy(buffer, upload->content->data() + upload->offset, n);
    upload->offset += n;
    return n;
}

std::size_t WriteDownload(char* data, std::size_t size, std::size_t count, void* user)
{
    return std::fwrite(data, size, count, static_cast<std::FILE*>(user)) * size;
}

// The bare name of the file: the device never writes outside its folder.
std::string BareName(const std::string& name)
{
    const auto slash = name.find_last_of("/\\");
    std::string bare = slash == std::string::npos ? name : name.substr(slash + 1);
    return bare.empty() || bare == "." || bare == ".." ? "unnamed" : bare;
}

bool RunTransfer(const TftpRequest request, const std::string content, int port, const std::string folder,
                 const std::function<void(const std::string&)> log)
{
    const std::string url = "tftp://" + request.serverAddress + ":" + std::to_string(port) + "/" + request.fileName;
    CURL* curl = curl_easy_init();
    if (!curl)
        return false;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_TFTP_NO_OPTIONS, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 120L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    CURLcode result;
    std::uintmax_t bytes = 0;
    if (request.command == 2) {
        std::filesystem::create_directories(folder);
        const std::string path = folder + "/" + BareName(request.fileName);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) {
            log("tftp: cannot write " + path);
            curl_easy_cleanup(curl);
            return false;
        }
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteDownload);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
        log("tftp: get " + url);
        result = curl_easy_perform(curl);
        std::fclose(file);
        bytes = std::filesystem::file_size(path);
        if (result == CURLE_OK)
            log("tftp: received " + path + " (" + std::to_string(bytes) + " bytes)");
        else
            std::filesystem::remove(path);
    } else {
        Upload upload{&content};
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadUpload);
        curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(content.size()));
        log("tftp: put " + url + " (" + std::to_string(content.size()) + " bytes)");
        result = curl_easy_perform(curl);
    }
    curl_easy_cleanup(curl);
    if (result != CURLE_OK)
        log(std::string("tftp: failed: ") + curl_easy_strerror(result));
    return result == CURLE_OK;
}

} // namespace

TftpTransfer::TftpTransfer(int serverPort, std::string folder, std::function<void(const std::string&)> log)
    : serverPort_(serverPort), folder_(std::move(folder)), log_(std::move(log))
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

TftpTransfer::~TftpTransfer()
{
    Wait();
    curl_global_cleanup();
}

void TftpTransfer::Start(const TftpRequest& request, const std::string& content)
{
    Wait();
    running_ = std::async(std::launch::async, RunTransfer, request, content, serverPort_, folder_, log_);
}

bool TftpTransfer::Wait()
{
    if (running_) {
        lastOk_ = running_->get();
        running_.reset();
    }
    const bool ok = lastOk_;
    lastOk_ = true;
    return ok;
}

} // namespace sim
