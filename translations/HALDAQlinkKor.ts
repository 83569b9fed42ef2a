<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>시스템 이름</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>유형</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>유선</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>무선</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>언어를 바꾸려면 프로그램을 다시 시작해야 합니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>구성 #1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>잘못된 포트 번호</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>구성을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>네트워크 정보를 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>시스템 이름 길이 오류</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>유선</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>무선</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>이 IP 주소는 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>BSS 정보</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>125</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <comment>126</comment>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>127</comment>
        <translation>WLAN 모드</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>보안</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>인프라스트럭처</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>애드혹</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>134</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>135</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>WEP-64/WEP-128</source>
        <comment>136</comment>
        <translation>WEP-64/WEP-128</translation>
    </message>
    <message>
        <source>WPA</source>
        <comment>137</comment>
        <translation>WPA</translation>
    </message>
    <message>
        <source>WPA2</source>
        <comment>138</comment>
        <translation>WPA2</translation>
    </message>
    <message>
        <source>WPA/WPA2</source>
        <comment>139</comment>
        <translation>WPA/WPA2</translation>
    </message>
    <message>
        <source>Configuration #2</source>
        <comment>145</comment>
        <translation>구성 #2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>장치 연결</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>사용 가능한 포트 없음</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>짝수</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>홀수</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>하드웨어</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>네트워크 구성</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>IP 주소 구성</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>WLAN 정보를 가져왔습니다.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>WLAN 정보를 가져오지 못했습니다.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>변경 사항이 적용되었습니다. 프린터를 재설정하십시오.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>새 구성을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>새 구성 정보를 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>WLAN 기본 구성</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>WLAN 모드</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>인프라스트럭처</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>애드혹</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>소프트 AP</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>채널</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>최대 32자를 입력하십시오.</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>PIN 코드</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>PIN 코드로 숫자 4자리 또는 8자리를 입력하십시오.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>WLAN 보안 구성</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>인증</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>개방형 시스템</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>공유 키</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <comment>181</comment>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <comment>182</comment>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>WPA-EAP</source>
        <comment>183</comment>
        <translation>WPA-EAP</translation>
    </message>
    <message>
        <source>WPA2-EAP</source>
        <comment>184</comment>
        <translation>WPA2-EAP</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment>185</comment>
        <translation>암호화</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>187</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>188</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>TKIP</source>
        <comment>189</comment>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>AES</source>
        <comment>190</comment>
        <translation>AES</translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <comment>191</comment>
        <translation>AES + TKIP</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <comment>192</comment>
        <translation>EAP 모드</translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <comment>194</comment>
        <translation>EAP-PEAP</translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <comment>195</comment>
        <translation>EAP-TTLS</translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <comment>196</comment>
        <translation>EAP-TLS</translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <comment>197</comment>
        <translation>EAP-LEAP</translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <comment>198</comment>
        <translation>EAP-FAST</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <comment>199</comment>
        <translation>PSK 키</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>EAP ID</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>EAP 암호</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>IP 주소 구성</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>IP 주소 할당</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>수동</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>포트 번호</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>시스템 정보</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>펌웨어 버전</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>업데이트 날짜</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>MAC 주소</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>시스템 구성</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>시스템 이름</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>사용자 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>사용자 암호</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>비활성 시간(초)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>무선 주파수</translation>
    </message>
    <message>
        <source>2.4GHz</source>
        <comment>224</comment>
        <translation>2.4GHz</translation>
    </message>
    <message>
        <source>5GHz</source>
        <comment>225</comment>
        <translation>5GHz</translation>
    </message>
    <message>
        <source>2.4GHz/5GHz (Priority: 2.4GHz)</source>
        <comment>226</comment>
        <translation>2.4GHz/5GHz (우선: 2.4GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2.4GHz/5GHz (우선: 5GHz)</translation>
    </message>
    <message>
        <source>HTTPS</source>
        <comment>228</comment>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>TELNET</source>
        <comment>229</comment>
        <translation>TELNET</translation>
    </message>
    <message>
        <source>FTP</source>
        <comment>230</comment>
        <translation>FTP</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>231</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>232</comment>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>사용</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>SNMP 커뮤니티(읽기)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>SNMP 커뮤니티(쓰기)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>SNMP 트랩 커뮤니티</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>SNMP 트랩 IP 주소</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>인증서 업로드</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>인증서 유형</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>인증서 파일</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>인증서를 업로드하시겠습니까?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>잘못된 인증서입니다.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>인증서를 업로드했습니다.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>인증서를 업로드하지 못했습니다.</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>클라이언트 키</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>클라이언트 PEM</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>PIN 코드 길이 오류.</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>SSID 길이 오류</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>EAP ID 길이 오류</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>EAP 암호 길이 오류</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>PSK 키 길이 오류</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>PSK 키 값 오류</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>WEP-64 키 길이 오류</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>WEP-64 키 값 오류</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>WEP-128 키 길이 오류</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>WEP-128 키 값 오류</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>시스템 이름 길이 오류</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>사용자 ID 길이 오류</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>사용자 암호 길이 오류</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>커뮤니티 이름 길이 오류(읽기)</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>커뮤니티 이름 길이 오류(쓰기)</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>트랩 IP 주소 길이 오류</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>트랩 IP 주소 형식 오류</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>트랩 커뮤니티 이름 길이 오류</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>저장</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>연결</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>WEP-64 키</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>WEP-128 키</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>프로토콜</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>지원되지 않음</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>BSS 정보를 가져오지 못했습니다.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>공장 초기화를 수행하시겠습니까?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>인증서 이름</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>공장 초기화를 수행하지 못했습니다.</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>SNMP 트랩</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>네트워크 연결을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>옵션</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>이 서브넷 마스크는 사용할 수 없습니다. 255.255.255.0처럼 1인 비트가 앞에 연속되어야 합니다.</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>이 IP 주소는 사용할 수 없습니다. 해당 서브넷의 네트워크 주소 또는 브로드캐스트 주소입니다.</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>게이트웨이가 프린터의 서브넷 밖에 있어 프린터가 게이트웨이에 도달하지 못할 수 있습니다. 그래도 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>%s을(를) 열 웹 브라우저를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>사용자 계정에 직렬 포트 %1을(를) 열 권한이 없습니다. 관리자에게 계정을 "%2" 그룹에 추가해 달라고 요청한 다음(sudo adduser %3 %2) 로그아웃했다가 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>사용자 계정에 USB 프린터 %1을(를) 열 권한이 없습니다. Quorlink Tool의 udev 규칙(60-quorlink.rules)을 설치하고 프린터를 다시 연결하거나, 관리자에게 계정을 "%2" 그룹에 추가해 달라고 요청한 다음(sudo adduser %3 %2) 로그아웃했다가 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1을(를) 다른 프로그램(인쇄 작업일 수 있음)이 사용하고 있습니다. 작업이 끝날 때까지 기다리거나 해당 프로그램을 닫은 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>%1에서 응답하는 프린터가 없습니다. 회선의 DSR 신호가 꺼져 있습니다. 프린터가 켜져 있고 케이블이 연결되어 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1이(가) 없습니다. 프린터가 연결되어 있고 켜져 있는지 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>인쇄 서버가 Quorlink Tool이 인쇄 대기열 %1을(를) 일시 중지하도록 허용하지 않습니다(관리자를 요구함). 프린터를 구성하는 동안 이 대기열로 인쇄하면 구성이 중단될 수 있습니다. 일시 중지를 허용하려면 관리자가 계정을 "lpadmin" 그룹에 추가할 수 있습니다(sudo adduser %2 lpadmin). 그런 다음 로그아웃했다가 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>인쇄 서버가 Quorlink Tool이 인쇄 대기열 %1을(를) 추가하는 것을 허용하지 않습니다(관리자를 요구합니다). 관리자가 계정을 "lpadmin" 그룹에 추가할 수 있습니다(sudo adduser %2 lpadmin). 그런 다음 로그아웃했다가 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>인쇄 서버가 Quorlink Tool이 인쇄 대기열 %1을(를) 변경하는 것을 허용하지 않습니다(관리자를 요구합니다). 관리자가 계정을 "lpadmin" 그룹에 추가할 수 있습니다(sudo adduser %2 lpadmin). 그런 다음 로그아웃했다가 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>인쇄 대기열 %1을(를) 추가할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>인쇄 대기열 %1이(가) 드라이버 %3(으)로 %2에 추가되었습니다.</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>인쇄 대기열 %1이(가) %2에 원시(raw) 대기열로 추가되었습니다. 프린터 제조사의 드라이버가 설치되어 있지 않으므로 프로그램은 프린터 고유의 언어로 보내야 합니다.</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>인쇄 대기열 추가…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>인쇄 대기열 추가</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>프린터 %1의 새 인쇄 대기열 이름:</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>대기열 이름은 1~127자이며 공백이나 / \ # ' " , 를 포함할 수 없습니다</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>다음 인쇄 대기열은 프린터의 이전 주소 %1(으)로 연결됩니다:
%2
새 주소 %3(으)로 변경하시겠습니까?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>인쇄 대기열 %1은(는) 이제 %2(으)로 인쇄합니다.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>인쇄 대기열 %1을(를) 변경할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>0에서 255 사이의 숫자 네 개, 점으로 구분</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>프린터 페이지</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>프린터 설정</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>찾은 프린터</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>아이콘</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>변경됨</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>F4 키로 대화 상자 열기</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>필터</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>프린터 %2대 중 %1대</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>내보내기…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>복사</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>IP 주소 복사</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>MAC 주소 복사</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>모든 프린터(%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>표시된 프린터(%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>CSV 파일</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>목록을 %1에 쓸 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>0에서 32767 사이의 포트 번호를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>0에서 3600초 사이의 비활성 시간을 입력하십시오.</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>지금까지 찾은 프린터: %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>%1~%2바이트</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>최대 %1바이트</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4자리 또는 8자리 숫자</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>8~63자의 ASCII 문자</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>문자, 숫자, "-" 또는 "_" %1자, 또는 16진수 %2자리</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>IPv4 주소: 0~255 사이의 숫자 네 개를 점 세 개로 구분</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1은(는) PEM 또는 DER 인증서가 아닙니다. 그래도 업로드하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1은(는) PEM 또는 DER 인증서가 아닙니다.</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>WLAN (고급) 페이지에 프린터나 파일에 저장하지 않은 변경 사항이 있습니다. 응용 프로그램을 다시 시작하면 이 변경 사항은 사라집니다.</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>양의 정수를 입력하십시오.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>%1자 이하로 입력하십시오.</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>LAN/WLAN 구성</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>프린터 네트워크 정보</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>구성</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>브라우저 열기</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC 주소:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>서브넷 마스크:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>게이트웨이:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>포트 번호:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>네트워크 구성</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>IP 주소 할당 </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>포트 번호</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>비활성 시간</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>시스템 이름</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>수동</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>서브넷 마스크:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>게이트웨이:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>포트 번호:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>비활성 시간:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] 초</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>시스템 이름:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>인터페이스</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>직렬</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>포트 설정</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>전송 속도:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>데이터 비트:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>패리티:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>정지 비트:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>흐름 제어:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>서브넷 마스크:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>게이트웨이:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (고급)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN 구성</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>파일로 저장</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>공장 초기화</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>암호 표시</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>검색 중</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>대기 중</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>Copyright © HALDA. 모든 권리 보유.</translation>
    </message>
</context>
</TS>
