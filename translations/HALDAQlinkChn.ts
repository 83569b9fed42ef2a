<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>系统名称</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>类型</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>刷新</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>有线</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>无线</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>切换语言需要重新启动应用程序。是否继续?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>配置 #1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>端口号无效</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>确定要保存配置吗?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>无法保存网络信息。</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>系统名称长度错误</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>有线</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>无线</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>无法使用此 IP 地址。</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>BSS 信息</translation>
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
        <translation>WLAN 模式</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>安全性</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>基础结构</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>临时 (Ad hoc)</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>未知</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>无</translation>
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
        <translation>配置 #2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>设备连接</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>没有可用的端口</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>硬件</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>网络配置</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>IP 地址配置</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>已获取 WLAN 信息。</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>无法获取 WLAN 信息。</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>更改已应用。请重置打印机。</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>确定要保存新配置吗?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>无法保存新配置信息。</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>WLAN 基本配置</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>WLAN 模式</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>基础结构</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>自组网 (Ad hoc)</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>软 AP</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>信道</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>请输入不超过 32 个字符。</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>PIN 码</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>请输入 4 位或 8 位数字作为 PIN 码。</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>WLAN 安全配置</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>身份验证</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>开放系统</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>共享密钥</translation>
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
        <translation>加密</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>无</translation>
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
        <translation>EAP 模式</translation>
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
        <translation>PSK 密钥</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>EAP ID</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>EAP 密码</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>IP 地址配置</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>IP 地址分配</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>手动</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>网关</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>端口号</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>更新日期</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>系统配置</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>系统名称</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>用户 ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>用户密码</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>非活动时间 (秒)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>无线频率</translation>
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
        <translation>2.4GHz/5GHz (优先: 2.4GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2.4GHz/5GHz (优先: 5GHz)</translation>
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
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>启用</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>SNMP 团体 (读)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>SNMP 团体 (写)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>SNMP 陷阱团体</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>SNMP 陷阱 IP 地址</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>上传证书</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>证书类型</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>证书文件</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>确定要上传证书吗?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>证书无效。</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>证书上传成功。</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>无法上传证书。</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>客户端密钥</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>客户端 PEM</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>PIN 码长度错误。</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>SSID 长度错误</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>EAP ID 长度错误</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>EAP 密码长度错误</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>PSK 密钥长度错误</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>PSK 密钥值错误</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>WEP-64 密钥长度错误</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>WEP-64 密钥值错误</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>WEP-128 密钥长度错误</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>WEP-128 密钥值错误</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>系统名称长度错误</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>用户 ID 长度错误</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>用户密码长度错误</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>团体名称长度错误（读）</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>团体名称长度错误（写）</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>陷阱 IP 地址长度错误</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>陷阱 IP 地址格式错误</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>陷阱团体名称长度错误</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>连接</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>WEP-64 密钥</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>WEP-128 密钥</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>协议</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>不支持</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>无法获取 BSS 信息。</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>确定要恢复出厂设置吗?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>证书名称</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>无法恢复出厂设置。</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>SNMP 陷阱</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>未找到网络连接</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>选项</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>无法使用此子网掩码：其中为 1 的位必须连续位于最前面，例如 255.255.255.0。</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>无法使用此 IP 地址：它是所在子网的网络地址或广播地址。</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>网关不在打印机的子网内，打印机可能无法访问它。仍要保存吗？</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>无法启动 Web 浏览器来打开 %s。</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>您的帐户无权打开串口 %1。请让管理员将其加入“%2”组（sudo adduser %3 %2），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>您的帐户无权打开 USB 打印机 %1。请安装 Quorlink Tool 的 udev 规则（60-quorlink.rules）并重新插入打印机，或者让管理员将您的帐户加入“%2”组（sudo adduser %3 %2），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 正被另一个程序使用，可能是某个打印作业。请等待其完成或关闭该程序，然后重试。</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>%1 上没有打印机应答：线路的 DSR 信号已关闭。请检查打印机是否已开机、电缆是否已连接。</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 不存在。请检查打印机是否已连接并开机，然后重试。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>打印服务器不允许 Quorlink Tool 暂停打印队列 %1（它要求管理员身份）。在配置打印机期间向该队列打印可能会中断配置。若要允许暂停，管理员可以将您的帐户加入“lpadmin”组（sudo adduser %2 lpadmin），然后请注销并重新登录。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>打印服务器不允许 Quorlink Tool 添加打印队列 %1（它要求管理员）。管理员可以将您的帐户添加到“lpadmin”组（sudo adduser %2 lpadmin）；然后注销并重新登录。</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>打印服务器不允许 Quorlink Tool 更改打印队列 %1（它要求管理员）。管理员可以将您的帐户添加到“lpadmin”组（sudo adduser %2 lpadmin）；然后注销并重新登录。</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>无法添加打印队列 %1：%2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>已为 %2 添加打印队列 %1，驱动程序为 %3。</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>已为 %2 添加打印队列 %1，作为原始（raw）队列：未安装打印机制造商的驱动程序，因此程序必须发送打印机自身的语言。</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>添加打印队列…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>添加打印队列</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>打印机 %1 的新打印队列名称：</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>队列名称为 1 到 127 个字符，不含空格及 / \ # ' " ,</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>以下打印队列通过旧地址 %1 访问该打印机：
%2
是否将它们指向新地址 %3？</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>打印队列 %1 现在打印到 %2。</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>无法更改打印队列 %1：%2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>四个 0 到 255 之间的数字，以点分隔</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>打印机页面</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>打印机设置</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>找到的打印机</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>图标</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>只读</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>已更改</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>按 F4 打开对话框</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>筛选</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1/%2 台打印机</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>复制 IP 地址</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>复制 MAC 地址</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>所有打印机 (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>显示的打印机 (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>CSV 文件</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>无法将列表写入 %1：%2。</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>请输入 0 到 32767 之间的端口号。</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>请输入 0 到 3600 秒之间的闲置时间。</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>目前已找到的打印机：%1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>%1 到 %2 个字节</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>最多 %1 个字节</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 位或 8 位数字</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>8 到 63 个 ASCII 字符</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 个字母、数字、“-”或“_”，或 %2 个十六进制数字</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>IPv4 地址：四个 0 到 255 之间的数字，用三个点分隔</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 既不是 PEM 证书也不是 DER 证书。仍要上传吗？</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 既不是 PEM 证书也不是 DER 证书。</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>“WLAN (高级)”页面中有尚未保存到打印机或文件的更改。重新启动应用程序后，这些更改将丢失。</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>请输入正整数。</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>最多输入 %1 个字符。</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>LAN/WLAN 配置</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>打印机网络信息</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>打开浏览器</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC 地址:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 地址:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子网掩码:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>网关:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>端口号:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>网络配置</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>IP 地址分配 </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>端口号</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>闲置时间</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>系统名称</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 地址:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子网掩码:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>网关:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>端口号:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>闲置时间:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] 秒</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>系统名称:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>接口</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>波特率:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>数据位:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>奇偶校验:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>停止位:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>流控制:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 地址:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子网掩码:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>网关:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (高级)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN 配置</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>另存为文件</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>显示密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>正在搜索</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>正在等待</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>版权所有 © HALDA。保留所有权利。</translation>
    </message>
</context>
</TS>
