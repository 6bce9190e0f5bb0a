#include "db/connect/server_browser.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "base/gbk_text.h"

namespace tablora {

std::string ServerInstance::Name() const {
  if (instance.empty() || gbk::EqualsIgnoreCase(instance, "MSSQLSERVER")) return server;
  return server + "\\" + instance;
}

std::vector<ServerInstance> ServerBrowser::ParseReply(const std::string& datagram) {
  std::vector<ServerInstance> found;
  if (datagram.size() < 3 || static_cast<unsigned char>(datagram[0]) != 0x05) return found;
  const std::size_t length =
      static_cast<unsigned char>(datagram[1]) |
      (static_cast<std::size_t>(static_cast<unsigned char>(datagram[2])) << 8);
  const std::string text = datagram.substr(3, std::min(length, datagram.size() - 3));
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(";;", start);
    if (end == std::string::npos) end = text.size();
    // A record is key;value pairs.
    std::vector<std::string> parts;
    std::size_t p = start;
    while (p <= end) {
      const std::size_t semi = std::min(text.find(';', p), end);
      parts.push_back(text.substr(p, semi - p));
      p = semi + 1;
    }
    ServerInstance instance;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
      const std::string key = gbk::ToLowerAscii(parts[i]);
      if (key == "servername") instance.server = parts[i + 1];
      if (key == "instancename") instance.instance = parts[i + 1];
      if (key == "version") instance.version = parts[i + 1];
      if (key == "tcp") instance.tcpPort = parts[i + 1];
    }
    if (!instance.server.empty()) found.push_back(std::move(instance));
    start = end + 2;
  }
  return found;
}

std::string ServerBrowser::ListEntry(const std::string& name) {
  std::string host = name.substr(0, name.find('\\'));
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* result = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &result) != 0 || result == nullptr) return "";
  char address[INET_ADDRSTRLEN] = {0};
  inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr, address,
            sizeof address);
  freeaddrinfo(result);
  return name + "(" + address + ")";
}

std::string ServerBrowser::LocalName() {
  char name[256] = {0};
  if (gethostname(name, sizeof name - 1) != 0) return "localhost";
  return name;
}

std::vector<std::string> ServerBrowser::Discover(int waitMilliseconds) {
  std::vector<std::string> entries;
  auto add = [&entries](const std::string& name) {
    const std::string entry = ListEntry(name);
    if (!entry.empty() && std::find(entries.begin(), entries.end(), entry) == entries.end())
      entries.push_back(entry);
  };
  add(LocalName());
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return entries;
  const int yes = 1;
  setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &yes, sizeof yes);
  const char request = 0x02;
  for (const char* target : {"255.255.255.255", "127.0.0.1"}) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(1434);
    inet_pton(AF_INET, target, &to.sin_addr);
    sendto(fd, &request, 1, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
  }
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          end - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) break;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) <= 0) break;
    char buffer[65536];
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) continue;
    for (const ServerInstance& instance : ParseReply(std::string(buffer, n))) add(instance.Name());
  }
  close(fd);
  return entries;
}

}  // namespace tablora
