#!/usr/bin/env python3
"""Writes the starting inputs of tailfetch_reply_fuzz: replies the tests use.

The first byte of each input picks how the fuzz target cuts the rest and
whether it is read as the answer to HEAD."""
import pathlib
import sys

out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent / "corpus" / "tailfetch_reply_fuzz")
out.mkdir(parents=True, exist_ok=True)
replies = {
    "head": (1, b"HTTP/1.1 200 OK\r\nContent-Length: 10\r\nETag: \"v1\"\r\n\r\n"),
    "range": (4, b"HTTP/1.1 206 Partial Content\r\nContent-Range: bytes 4-9/10\r\nContent-Length: 6\r\n\r\n456789"),
    "chunked": (6, b"HTTP/1.1 206 Partial Content\r\ncontent-range: bytes 4-15/16\r\nTRANSFER-ENCODING: Chunked\r\n\r\n"
                   b"5;name=value\r\nabcde\r\n7\r\nfghijkl\r\n0\r\nExpires: never\r\n\r\n"),
    "interim": (8, b"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nz"),
    "untilclose": (10, b"HTTP/1.0 200 OK\nServer: x\n\nbody up to the close"),
    "badcoding": (12, b"HTTP/1.1 206 P\r\nTransfer-Encoding: gzip\r\n\r\nxx"),
    "notstatus": (14, b"SSH-2.0-OpenSSH\r\n\r\n"),
}
for name, (pick, reply) in replies.items():
    (out / name).write_bytes(bytes([pick]) + reply)
