"""Answers every search with the results page in the file named by its argument, and the start-up
host lookup with an empty page; prints the port it listens on."""
import http.server
import sys

page = open(sys.argv[1], "rb").read()


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = b"" if self.path.startswith("/redirect") else page
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
