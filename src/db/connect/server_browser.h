#pragma once

#include <string>
#include <vector>

namespace tablora {

/// One MS SQL Server instance as a browser reply describes it.
struct ServerInstance {
  std::string server;
  std::string instance;
  std::string version;
  std::string tcpPort;  ///< empty when the instance does not listen on TCP

  /// "server" for the default instance, "server\instance" otherwise.
  std::string Name() const;
};

/// Finds MS SQL Server instances: a broadcast to the browser service (UDP 1434) and the
/// local machine.
class ServerBrowser {
 public:
  /// The instances of one reply datagram (0x05, a little-endian 16-bit length, then
  /// "ServerName;S;InstanceName;I;...;tcp;1433;;" records). Malformed replies give none.
  static std::vector<ServerInstance> ParseReply(const std::string& datagram);
  /// "name(a.b.c.d)" with the name's first IPv4 address; empty when the name does not resolve.
  static std::string ListEntry(const std::string& name);
  /// Broadcasts a request and collects the replies for `waitMilliseconds`; the list
  /// entries of every instance found and of the local machine (first), without repeats.
  static std::vector<std::string> Discover(int waitMilliseconds);
  /// The local machine's host name.
  static std::string LocalName();
};

}  // namespace tablora
